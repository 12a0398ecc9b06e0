#include "common/label.h"

#include "common/screen.h"

#include <QMouseEvent>

namespace {
QColor toQColor(std::uint32_t value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}
} // namespace

Label::Label(QWidget* parent, const char* name, QRect twips, const QString& caption,
             const QFont& font, Qt::Alignment alignment)
    : QLabel(caption, parent) {
    setObjectName(QLatin1String(name));
    setGeometry(Screen::toPixels(twips));
    setFont(font);
    setAlignment(alignment);
    setTextFormat(Qt::PlainText);
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true);
    setForeColor(foreColor_);
}

void Label::setCaption(const QString& caption) {
    if (text() != caption)
        setText(caption);
}

void Label::setForeColor(std::uint32_t value) {
    foreColor_ = value;
    QPalette p = palette();
    const QColor colour = toQColor(value);
    if (p.color(QPalette::WindowText) == colour)
        return;
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
}

void Label::setBold(bool bold) {
    if (font().bold() == bold)
        return;
    QFont f = font();
    f.setBold(bold);
    setFont(f);
}

void Label::fitToCaption() {
    const int needed = fontMetrics().horizontalAdvance(text());
    if (needed > width())
        resize(needed, height());
}

void Label::setBoxed() {
    setAutoFillBackground(true);
    setAttribute(Qt::WA_TranslucentBackground, false);
    // Turning translucency on also turned this on, and it stops the box's fill.
    setAttribute(Qt::WA_NoSystemBackground, false);
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);
    setLineWidth(1);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setForeColor(0);
}

void Label::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit clicked();
}

void Label::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit mouseMoved();
}
