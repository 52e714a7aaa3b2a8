#pragma once
// What may be wrong with a hole as it will be played. A warning never stops
// the player: the hole can still be saved and tried.

#include <QList>
#include <QString>

namespace editor {

enum class Warning {
    NoTee,         // the ball would start wherever the last hole left it
    NoPin,         // no cup: the flag would stay where the last hole put it
    TwoTees,       // the last tee laid out counts
    PinBeforeTee,  // the pin just before the tee: the ball starts over the cup
    WaterToEnd,    // nothing but water (and the cup) from the tee to the strip's end
};

// As the layout sees the hole: cells after an "E", and the cell right after
// a bunker or water, do not count.
QList<Warning> WarningsOf(const QString& row);
// The warnings in one line.
QString WarningLine(const QList<Warning>& warnings);

}  // namespace editor
