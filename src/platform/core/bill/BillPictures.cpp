// The core's picture maker for bills and its progress.
#include "platform/core/bill/BillPictures.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>

#include "platform/core/FileOperations.h"
#include "platform/core/bill/Tvx_Bill.h"
#include "platform/ui/gdi/BmpFormat.h"
#include "platform/ui/gdi/PixelImage.h"

namespace {

constexpr int kBitsPerPixel = 24;
constexpr COLORREF kGround = RGB(255, 255, 255);
constexpr COLORREF kFrame = RGB(0, 0, 0);

BmpProgress& progress() {
    static BmpProgress state;
    return state;
}

// A colour that follows from the mark (FNV-1a over its characters), kept away
// from white so that the part always shows on the ground.
COLORREF markColour(const Tvx_String& mark) {
    std::uint32_t hash = 2166136261u;
    for (wchar_t c : mark.str()) {
        hash ^= static_cast<std::uint32_t>(c);
        hash *= 16777619u;
    }
    const auto channel = [&](int shift) { return static_cast<BYTE>((hash >> shift) % 200); };
    return RGB(channel(0), channel(8), channel(16));
}

COLORREF greyOf(COLORREF colour) {
    const int grey =
        (GetRValue(colour) * 30 + GetGValue(colour) * 59 + GetBValue(colour) * 11) / 100;
    return RGB(grey, grey, grey);
}

PixelImage drawPart(const Tvx_String& mark, int height, int margin, bool inColour, bool framed) {
    height = height < 1 ? kDefaultPictureHeight : std::min(height, kMaxPictureHeight);
    const int width = 2 * height;
    margin = std::clamp(margin, 0, height / 4);
    PixelImage picture(width, height, false, kGround);
    const COLORREF colour = inColour ? markColour(mark) : greyOf(markColour(mark));
    // The part: a bar over the middle half of the height, inside the margin.
    const RECT bar{margin, height / 4, width - margin, height - height / 4};
    picture.fillRect(bar, colour);
    if (framed) {
        picture.fillRect(RECT{0, 0, width, 1}, kFrame);
        picture.fillRect(RECT{0, height - 1, width, height}, kFrame);
        picture.fillRect(RECT{0, 0, 1, height}, kFrame);
        picture.fillRect(RECT{width - 1, 0, width, height}, kFrame);
    }
    return picture;
}

// A name no earlier picture of this process has had.
Tvx_String newPicturePath() {
    static int counter = 0;
    ++counter;
    const std::string name =
        "bill-" + std::to_string(getpid()) + "-" + std::to_string(counter) + ".bmp";
    return pictureFolder() + Tvx_String::fromUtf8(name);
}

}  // namespace

Tvx_String pictureFolder() {
    std::error_code error;
    std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    if (error)
        folder = "/tmp";
    return Tvx_String::fromUtf8((folder / "vtss-bill-pictures").string() + "/");
}

bool createImage(const Tvx_Bill* bill, AcTransaction* transaction, int height, int /*pictureCount*/,
                 int margin, bool inColour, bool framed, Tvx_String& pictureFile) {
    pictureFile = Tvx_String();
    if (bill == nullptr || transaction == nullptr)
        return false;
    const Tvx_Bill::Entry* entry = bill->entry(bill->currentEntry());
    if (entry == nullptr || entry->values.isEmpty())
        return false;
    if (!ObjectExportCreateDirectory(pictureFolder()))
        return false;
    const Tvx_String path = newPicturePath();
    if (!saveBmpFile(path, drawPart(entry->values[0], height, margin, inColour, framed),
                     kBitsPerPixel))
        return false;
    pictureFile = path;
    BmpProgress& state = progress();
    if (state.open && state.position < state.steps)
        ++state.position;
    return true;
}

bool initBMPDialog(int steps) {
    if (steps < 1)
        return false;
    BmpProgress& state = progress();
    state.open = true;
    state.steps = steps;
    state.position = 0;
    ++state.openCount;
    return true;
}

void closeBMPDialog() {
    BmpProgress& state = progress();
    if (!state.open)
        return;
    state.open = false;
    ++state.closeCount;
}

const BmpProgress& bmpProgress() {
    return progress();
}

void resetBmpProgress() {
    progress() = BmpProgress();
}
