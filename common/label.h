#pragma once
// A text label placed in twips, as every screen's texts are. Labels are the
// program's buttons too: they report clicks and pointer movements, and they
// swallow pointer movements so that the screen underneath only hears about
// movements over its bare background.

#include <QLabel>
#include <QPixmap>
#include <cstdint>
#include <memory>
#include <unordered_map>

class QTextLayout;

class Label : public QLabel {
    Q_OBJECT
public:
    // name is the control's name (its object name); twips is Left, Top,
    // Width, Height.
    Label(QWidget* parent, const char* name, QRect twips, const QString& caption, const QFont& font,
          Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);
    ~Label() override;

    // Rewrites the caption only when it differs, so an unchanged text costs no repaint.
    void setCaption(const QString& caption);
    // For a text that may be far wider than the box (a hand-edited name):
    // what fits, cut with an ellipsis.
    void setCaptionElided(const QString& text);
    QString caption() const { return text(); }

    // Text colour as a colour value (red + 256 green + 65536 blue).
    void setForeColour(std::uint32_t value);
    std::uint32_t foreColour() const { return foreColour_; }

    void setBold(bool bold);
    bool isBold() const { return font().bold(); }

    // The screens were laid out for a narrower font: a fixed caption that our
    // font would clip gets the room it needs, to its right.
    void fitToCaption();

    // An opaque white box with a thin black border and black text, as the
    // "kraj igre" and "unazad" buttons are drawn.
    void setBoxed();

    // For a one-line caption whose colour changes every few milliseconds
    // (the menu's flash, the intro's fade): the label keeps its text laid out
    // and a copy of the screen's drawing beneath it, and paints both itself,
    // so a new colour repaints the label's box alone and lays out nothing.
    // Colours that come round again can be kept drawn: keptColours is how
    // many boxes the label keeps, one a colour, so a cycle that fits repaints
    // with one copy once it has gone round. A fade, which meets few colours
    // twice, keeps none: drawing a colour into a kept box costs more than
    // drawing it on the screen. Only for a label that no other control
    // overlaps, on a screen whose own drawing never changes under it.
    void setColourAnimated(int keptColours = 0);

signals:
    void clicked();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void prepareAnimated();
    void drawCaption(QPainter& painter, std::uint32_t colour) const;
    const QPixmap& frameIn(std::uint32_t colour);
    void forgetFrames();

    std::uint32_t foreColour_ = 0xFFFFFF;
    bool pressed_ = false;
    bool colourAnimated_ = false;
    // Made at the first paint and kept until the caption, the font or the
    // box changes, or the label is hidden.
    std::unique_ptr<QTextLayout> layout_;
    QPixmap backdrop_;
    // The box as each kept colour shows it; a colour past keptColours_
    // starts the store afresh.
    std::size_t keptColours_ = 0;
    std::unordered_map<std::uint32_t, QPixmap> frames_;
};
