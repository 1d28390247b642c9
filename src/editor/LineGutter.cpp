#include "editor/LineGutter.h"

#include "editor/TextBox.h"

#include <QFontMetrics>

namespace orvel {

namespace {
constexpr int kPadding = 5;
}

LineGutter::LineGutter(TextBox* box) : QWidget(box), m_box(box)
{
    setObjectName(QStringLiteral("lineNumbers"));
    // Numbers are for reading; the box keeps the focus and the caret.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int LineGutter::widthFor(int lines, const QFontMetrics& metrics)
{
    int digits = 1;
    for (int n = std::max(1, lines); n >= 10; n /= 10)
        ++digits;
    return 2 * kPadding + digits * metrics.horizontalAdvance(u'9');
}

QSize LineGutter::sizeHint() const
{
    return {widthFor(m_box->blockCount(), m_box->fontMetrics()), 0};
}

void LineGutter::paintEvent(QPaintEvent* e)
{
    m_box->paintGutter(e, kPadding);
}

} // namespace orvel
