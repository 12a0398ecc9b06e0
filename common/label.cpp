#include "common/label.h"

#include "common/screen.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>

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
    setForeColour(foreColour_);
}

Label::~Label() = default;

void Label::setCaption(const QString& caption) {
    if (text() != caption)
        setText(caption);
}

void Label::setCaptionElided(const QString& text) {
    setCaption(fontMetrics().elidedText(text, Qt::ElideRight, width()));
}

void Label::setForeColour(std::uint32_t value) {
    if (colourAnimated_) {
        // The palette stays as it is: changing it would lay the text out again.
        if (value != foreColour_) {
            foreColour_ = value;
            update();
        }
        return;
    }
    foreColour_ = value;
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
    setForeColour(0);
}

void Label::setColourAnimated(int keptColours) {
    colourAnimated_ = true;
    keptColours_ = static_cast<std::size_t>(std::max(keptColours, 0));
    frames_.clear();
    setAttribute(Qt::WA_OpaquePaintEvent);
    update();
}

void Label::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        layout_.reset();
        frames_.clear();
    }
    QLabel::changeEvent(event);
}

void Label::moveEvent(QMoveEvent* event) {
    forgetFrames();
    QLabel::moveEvent(event);
}

void Label::resizeEvent(QResizeEvent* event) {
    forgetFrames();
    layout_.reset();
    QLabel::resizeEvent(event);
}

void Label::hideEvent(QHideEvent* event) {
    // A hidden screen gives back what it can draw again.
    forgetFrames();
    QLabel::hideEvent(event);
}

void Label::forgetFrames() {
    backdrop_ = QPixmap();
    frames_.clear();
}

void Label::paintEvent(QPaintEvent* event) {
    if (!colourAnimated_ || wordWrap() || !isEnabled() || !parentWidget()) {
        QLabel::paintEvent(event);
        return;
    }
    prepareAnimated();
    QPainter painter(this);
    if (keptColours_ > 0) {
        painter.drawPixmap(0, 0, frameIn(foreColour_));
    } else {
        painter.drawPixmap(0, 0, backdrop_);
        drawCaption(painter, foreColour_);
    }
}

void Label::prepareAnimated() {
    if (layout_ && layout_->text() != text()) {
        layout_.reset();
        frames_.clear();
    }
    // Made at the window's pixel ratio, so the text is as sharp as a plain
    // label's at any scale. A new box forgot its kept pictures with its
    // backdrop (forgetFrames); a new ratio forgets them here.
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (backdrop_.size() != pixels || backdrop_.devicePixelRatio() != ratio) {
        frames_.clear();
        backdrop_ = QPixmap(pixels);
        backdrop_.setDevicePixelRatio(ratio);
        parentWidget()->render(&backdrop_, QPoint(), QRegion(geometry()),
                               QWidget::DrawWindowBackground);
    }
    // Laid out as QPainter::drawText lays out one line in a box, so the text
    // lands on exactly the pixels the plain label would give it.
    if (!layout_) {
        layout_ = std::make_unique<QTextLayout>(text(), font(), this);
        QTextOption option;
        option.setTextDirection(Qt::LeftToRight);
        option.setFlags(QTextOption::IncludeTrailingSpaces);
        layout_->setTextOption(option);
        layout_->setCacheEnabled(true);
        layout_->beginLayout();
        QTextLine line = layout_->createLine();
        if (line.isValid()) {
            line.setLineWidth(0x01000000);
            line.setPosition(QPointF(0, 0));
        }
        layout_->endLayout();
    }
}

void Label::drawCaption(QPainter& painter, std::uint32_t colour) const {
    if (text().isEmpty() || layout_->lineCount() == 0)
        return;
    const QTextLine line = layout_->lineAt(0);
    const Qt::Alignment align = alignment();
    qreal x = 0;
    if (align & Qt::AlignRight)
        x = width() - line.horizontalAdvance();
    else if (align & Qt::AlignHCenter)
        x = (width() - line.horizontalAdvance()) / 2;
    qreal y = 0;
    if (align & Qt::AlignBottom)
        y = height() - line.height();
    else if (align & Qt::AlignVCenter)
        y = (height() - line.height()) / 2;
    painter.setPen(toQColor(colour));
    line.draw(&painter, QPointF(x, y));
}

const QPixmap& Label::frameIn(std::uint32_t colour) {
    if (const auto kept = frames_.find(colour); kept != frames_.end())
        return kept->second;
    if (frames_.size() >= keptColours_)
        frames_.clear();
    QPixmap& frame = frames_[colour];
    frame = backdrop_.copy();
    QPainter painter(&frame);
    drawCaption(painter, colour);
    return frame;
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
