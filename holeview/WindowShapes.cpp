#include "holeview/WindowShapes.h"

#include <QWidget>
#include <QWindow>
#include <initializer_list>

#include "platform/DeviceShape.h"
#include "platform/Messages.h"
#include "platform/Program.h"

namespace holeview {

namespace {

constexpr std::uint32_t kRectangleList = 1;

struct Rect {
    std::int32_t left, top, right, bottom;
};

void PutInt32(RegionRecord& record, std::size_t offset, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t b = 0; b < 4; ++b)
        record[offset + b] = static_cast<std::uint8_t>(bits >> (8 * b));
}

std::int32_t GetInt32(const RegionRecord& record, std::size_t offset) {
    std::uint32_t bits = 0;
    for (std::size_t b = 0; b < 4; ++b) bits |= std::uint32_t{record[offset + b]} << (8 * b);
    return static_cast<std::int32_t>(bits);
}

std::uint32_t GetUInt32(const RegionRecord& record, std::size_t offset) {
    return static_cast<std::uint32_t>(GetInt32(record, offset));
}

Rect GetRect(const RegionRecord& record, std::size_t offset) {
    return {GetInt32(record, offset), GetInt32(record, offset + 4), GetInt32(record, offset + 8),
            GetInt32(record, offset + 12)};
}

RegionRecord MakeRecord(std::int32_t boundRight, std::int32_t boundBottom,
                        std::initializer_list<Rect> rects) {
    RegionRecord record{};
    const auto count = static_cast<std::int32_t>(rects.size());
    PutInt32(record, 0, kRegionHeaderBytes);
    PutInt32(record, 4, kRectangleList);
    PutInt32(record, 8, count);
    PutInt32(record, 12, count * static_cast<std::int32_t>(kRegionRectBytes));
    PutInt32(record, 16, 0);
    PutInt32(record, 20, 0);
    PutInt32(record, 24, boundRight);
    PutInt32(record, 28, boundBottom);
    std::size_t offset = kRegionHeaderBytes;
    for (const Rect& r : rects) {
        PutInt32(record, offset, r.left);
        PutInt32(record, offset + 4, r.top);
        PutInt32(record, offset + 8, r.right);
        PutInt32(record, offset + 12, r.bottom);
        offset += kRegionRectBytes;
    }
    return record;
}

// Everything right of and below each figure is covered too, up to the bound,
// so a window larger than the figure shows solid bands there.
RegionRecord BallRecord() {
    return MakeRecord(91, 90,
                      {{6, 0, 91, 1},
                       {2, 1, 4, 2},
                       {6, 1, 91, 2},
                       {1, 2, 5, 4},
                       {6, 2, 91, 4},
                       {2, 4, 4, 5},
                       {6, 4, 91, 5},
                       {6, 5, 91, 6},
                       {0, 6, 91, 90}});
}

RegionRecord FlagRecord() {
    return MakeRecord(76, 150,
                      {{5, 0, 76, 1},
                       {0, 1, 76, 2},
                       {0, 2, 4, 3},
                       {5, 2, 76, 3},
                       {0, 3, 3, 4},
                       {5, 3, 76, 4},
                       {0, 4, 2, 5},
                       {5, 4, 76, 5},
                       {0, 5, 1, 10},
                       {5, 5, 76, 10},
                       {0, 10, 76, 150}});
}

RegionRecord ClockRecord() {
    return MakeRecord(
        436, 480,
        {{12, 0, 17, 1},    {29, 0, 436, 1},  {8, 1, 21, 2},    {29, 1, 436, 2},   {7, 2, 22, 3},
         {29, 2, 436, 3},   {5, 3, 24, 4},    {29, 3, 436, 4},  {4, 4, 25, 5},     {29, 4, 436, 5},
         {3, 5, 26, 7},     {29, 5, 436, 7},  {2, 7, 27, 8},    {29, 7, 436, 8},   {1, 8, 28, 12},
         {29, 8, 436, 12},  {0, 12, 436, 16}, {1, 16, 28, 20},  {29, 16, 436, 20}, {2, 20, 27, 21},
         {29, 20, 436, 21}, {3, 21, 436, 23}, {0, 23, 436, 480}});
}

// Qt keeps a mask for a window that has no native window yet and applies it
// later, where nothing could report a failure; so the native window is made
// first and the mask must have reached it. Whether the window system then
// honours it (an X server without the shape extension) Qt does not tell.
// Only the part inside the window is handed over: the X server clips a larger
// shape itself, but a compositor may take the shape's extent for the
// window's, leave black what lies under the rest and never repaint it.
bool AttachRegion(QWidget& window, const QRegion& region) {
    window.winId();
    const QRegion inside = region & QRect(QPoint(0, 0), window.size());
    window.setMask(inside);
    const QWindow* handle = window.windowHandle();
    return handle && !inside.isEmpty() && handle->mask() == inside;
}

[[noreturn]] void Fail(const QString& message) {
    platform::ShowMessage(message, QStringLiteral("Quorvane"));
    platform::EndProgram();
}

}  // namespace

const std::array<RegionRecord, 3>& WindowShapes() {
    static const std::array<RegionRecord, 3> shapes = {BallRecord(), FlagRecord(), ClockRecord()};
    return shapes;
}

std::uint64_t RegionByteCount(const RegionRecord& record) {
    return std::uint64_t{GetUInt32(record, 0)} + GetUInt32(record, 12);
}

std::optional<QRegion> RegionFromRecord(const RegionRecord& record, std::uint64_t byteCount) {
    const std::uint32_t headerSize = GetUInt32(record, 0);
    const std::uint32_t count = GetUInt32(record, 8);
    const std::uint32_t rectsSize = GetUInt32(record, 12);
    if (headerSize != kRegionHeaderBytes || GetUInt32(record, 4) != kRectangleList) return {};
    if (count > (kRegionRecordBytes - kRegionHeaderBytes) / kRegionRectBytes) return {};
    if (rectsSize != count * kRegionRectBytes || byteCount != headerSize + rectsSize) return {};
    const Rect bound = GetRect(record, 16);
    if (bound.left != 0 || bound.top != 0) return {};

    QRegion region;
    for (std::size_t k = 0; k < count; ++k) {
        const Rect r = GetRect(record, kRegionHeaderBytes + k * kRegionRectBytes);
        const bool insideBound =
            r.left >= 0 && r.top >= 0 && r.right <= bound.right && r.bottom <= bound.bottom;
        if (!insideBound || r.right < r.left || r.bottom < r.top) return {};
        if (r.right == r.left || r.bottom == r.top) continue;
        // Right and bottom are exclusive edges.
        region += QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
    }
    // Qt takes an empty mask for no mask at all: the window would show whole.
    if (region.isEmpty()) return {};
    return region;
}

// At any scale but 1 the ball's four-pixel disc is drawn again as a disc
// in the screen's pixels; the flag and the clock are pictures and scale as
// they are.
void ShapeWindow(QWidget& window, Shape shape) {
    ApplyRegionRecord(window, WindowShapes()[static_cast<std::size_t>(shape)]);
    const double scale = window.devicePixelRatioF();
    if (shape == Shape::Ball && scale != 1.0) {
        platform::ShapeInDevicePixels(window,
                                      platform::DeviceDisc(qRound(scale), qRound(4 * scale)));
    }
}

void ApplyRegionRecord(QWidget& window, const RegionRecord& record) {
    const std::optional<QRegion> region = RegionFromRecord(record, RegionByteCount(record));
    if (!region) Fail(QStringLiteral("リージョンデータの読み込みに失敗しました。"));
    if (!AttachRegion(window, *region)) Fail(QStringLiteral("窓の整形に失敗しました。"));
}

}  // namespace holeview
