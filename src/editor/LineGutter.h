#pragma once

#include <QColor>
#include <QWidget>

class QFontMetrics;

namespace orvel {

class TextBox;

// The line numbers at the left of the page box. The box paints it (it knows where its lines
// are); the gutter only holds its place and its colours.
class LineGutter : public QWidget {
    Q_OBJECT
public:
    explicit LineGutter(TextBox* box);

    // Wide enough for the number of the last of `lines` lines in the box's font.
    static int widthFor(int lines, const QFontMetrics& metrics);
    QSize sizeHint() const override;

    QColor background, number, currentNumber;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    TextBox* m_box;
};

} // namespace orvel
