#pragma once
// A text label placed in twips, as every screen's texts are. Labels are the
// program's buttons too: they report clicks and pointer movements, and they
// swallow pointer movements so that the screen underneath only hears about
// movements over its bare background.

#include <QLabel>
#include <cstdint>

class Label : public QLabel {
    Q_OBJECT
public:
    // name is the control's name (its object name); twips is Left, Top,
    // Width, Height.
    Label(QWidget* parent, const char* name, QRect twips, const QString& caption, const QFont& font,
          Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);

    // Rewrites the caption only when it differs, so an unchanged text costs no repaint.
    void setCaption(const QString& caption);
    QString caption() const { return text(); }

    // Text colour as a colour value (red + 256 green + 65536 blue).
    void setForeColor(std::uint32_t value);
    std::uint32_t foreColor() const { return foreColor_; }

    void setBold(bool bold);
    bool isBold() const { return font().bold(); }

    // The screens were laid out for a narrower font: a fixed caption that our
    // font would clip gets the room it needs, to its right.
    void fitToCaption();

    // An opaque white box with a thin black border and black text, as the
    // "kraj igre" and "unazad" buttons are drawn.
    void setBoxed();

signals:
    void clicked();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    std::uint32_t foreColor_ = 0xFFFFFF;
    bool pressed_ = false;
};
