#pragma once
// The fixed shapes of the ball, flag and clock windows: rectangle lists in
// pixels from each window's top-left corner, kept as region-data records.

#include <QRegion>
#include <array>
#include <cstdint>
#include <optional>

class QWidget;

namespace holeview {

// A 32-byte header (header size 32, type 1, rectangle count, count x 16,
// bound 0, 0, right, bottom) and 33 rectangle slots of left, top, right,
// bottom; every field a little-endian 32-bit integer, unused slots zero.
inline constexpr std::size_t kRegionHeaderBytes = 32;
inline constexpr std::size_t kRegionRectBytes = 16;
inline constexpr std::size_t kRegionRecordBytes = kRegionHeaderBytes + 33 * kRegionRectBytes;
using RegionRecord = std::array<std::uint8_t, kRegionRecordBytes>;

enum class Shape { Ball = 0, Flag = 1, Clock = 2 };

// The three records, ball, flag and clock.
const std::array<RegionRecord, 3>& WindowShapes();

// Header size plus rectangle size as the record states them: what is handed
// to RegionFromRecord.
std::uint64_t RegionByteCount(const RegionRecord& record);

// The region of the first byteCount bytes of a record; none when the header is
// not a rectangle list, the byte count is not exactly header plus rectangles,
// a rectangle is inside out or outside the bound, or nothing is covered.
std::optional<QRegion> RegionFromRecord(const RegionRecord& record, std::uint64_t byteCount);

// Gives the window its shape. When the record cannot be read or the window
// does not take it, the player is told and the program ends.
void ShapeWindow(QWidget& window, Shape shape);
void ApplyRegionRecord(QWidget& window, const RegionRecord& record);

}  // namespace holeview
