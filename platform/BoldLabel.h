#pragma once
// A label whose bold text reads as bold on every machine. Where the face has
// no bold weight (the Mincho faces Debian ships), the font engine's own
// emboldening is too faint at dialog sizes to tell from regular, so the
// label thickens the outlines itself.

#include <QLabel>

namespace platform {

class BoldLabel : public QLabel {
    Q_OBJECT
public:
    BoldLabel(const QString& text, QWidget* parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool ThickensOutlines() const;
    double OutlinePenWidth() const;
};

}  // namespace platform
