#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <span>

namespace orvel {

// One category button of the help window and its topics, in list order.
struct HelpCategory {
    const char* button;  // objectName of the button
    const char* caption; // its caption
    QStringList topics;
};

std::span<const HelpCategory> helpCategories();

// The texts of the built-in manual: the welcome text, an introduction per category and the
// topics. Each text is paragraphs joined by CR LF.
class Manual {
public:
    // Reads the manual's source: "== welcome", "== category BUTTON" and "== topic NAME" begin a
    // text, each line after it is one paragraph; "#" lines are notes of the writer.
    static Manual parse(const QString& source);
    // The manual compiled into the program.
    static const Manual& builtIn();

    const QString& welcome() const { return m_welcome; }
    QString introduction(const QString& button) const { return m_intros.value(button); }
    // Exact, with case: "Heading" and "Headings" are two topics.
    std::optional<QString> topic(const QString& name) const;
    QStringList topicNames() const { return m_topics.keys(); }

private:
    QString m_welcome;
    QHash<QString, QString> m_intros;
    QHash<QString, QString> m_topics;
};

} // namespace orvel
