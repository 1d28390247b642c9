#pragma once
// Pages on disk for the tests of File > Open and File > Save: bytes written and read back as they
// are, and a source window that opens them as the user does.
#include "support/Fixtures.h"

#include <QTemporaryDir>

namespace orvel::test {

class PageFilesTest : public SourceWindowTest {
protected:
    QString path(const QString& name = QStringLiteral("page.html")) const
    {
        return dir.filePath(name);
    }
    // Writes `bytes` to `name` and opens it with File > Open, the page before put aside unsaved;
    // the prompts start over.
    QString open(const QByteArray& bytes, const QString& name = QStringLiteral("page.html"))
    {
        const QString file = path(name);
        EXPECT_TRUE(writeFile(file, bytes));
        w->setModified(false);
        ui.prompts.clear();
        ui.answerFile(file);
        w->open_Click();
        return file;
    }
    void type(const QString& s, int at = 0)
    {
        w->Text1->setSelStart(at);
        w->Text1->setSelText(s);
    }
    QStringList messages() const
    {
        QStringList m;
        for (const auto& p : ui.prompts)
            if (p.kind == ScriptedPlatform::PromptKind::Message)
                m << p.text;
        return m;
    }

    QTemporaryDir dir;
};

} // namespace orvel::test
