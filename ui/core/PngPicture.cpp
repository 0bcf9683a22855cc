#include "ui/core/PngPicture.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "ui/core/PictureLimits.h"

namespace mervik::ui {
namespace {

constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr size_t kChunkOverhead = 12; // length, type, CRC

enum ColourType : uint8_t { kGrey = 0, kRgb = 2, kGreyAlpha = 4, kRgba = 6 };

uint32_t ReadBig32(const uint8_t* at) {
    return uint32_t{at[0]} << 24 | uint32_t{at[1]} << 16 | uint32_t{at[2]} << 8 | at[3];
}

int Channels(uint8_t colourType) {
    switch (colourType) {
    case kGrey:
        return 1;
    case kGreyAlpha:
        return 2;
    case kRgb:
        return 3;
    case kRgba:
        return 4;
    default:
        return 0;
    }
}

uint8_t Paeth(int left, int up, int upLeft) {
    const int p = left + up - upLeft;
    const int pa = std::abs(p - left), pb = std::abs(p - up), pc = std::abs(p - upLeft);
    if (pa <= pb && pa <= pc)
        return static_cast<uint8_t>(left);
    return static_cast<uint8_t>(pb <= pc ? up : upLeft);
}

// Undoes the row's filter in place; `prior` is the row above (zeros for
// the first row). False for an unknown filter.
bool Unfilter(uint8_t filter, uint8_t* row, const uint8_t* prior, size_t bytes, int bpp) {
    const size_t step = static_cast<size_t>(bpp);
    switch (filter) {
    case 0:
        return true;
    case 1:
        for (size_t i = step; i < bytes; ++i)
            row[i] = static_cast<uint8_t>(row[i] + row[i - step]);
        return true;
    case 2:
        for (size_t i = 0; i < bytes; ++i)
            row[i] = static_cast<uint8_t>(row[i] + prior[i]);
        return true;
    case 3:
        for (size_t i = 0; i < bytes; ++i) {
            const int left = i >= step ? row[i - step] : 0;
            row[i] = static_cast<uint8_t>(row[i] + (left + prior[i]) / 2);
        }
        return true;
    case 4:
        for (size_t i = 0; i < bytes; ++i) {
            const int left = i >= step ? row[i - step] : 0;
            const int upLeft = i >= step ? prior[i - step] : 0;
            row[i] = static_cast<uint8_t>(row[i] + Paeth(left, prior[i], upLeft));
        }
        return true;
    default:
        return false;
    }
}

void ToPixels(const uint8_t* row, int width, int channels, uint32_t* out) {
    for (int x = 0; x < width; ++x, row += channels) {
        const uint32_t r = row[0];
        const uint32_t g = channels >= 3 ? row[1] : r;
        const uint32_t b = channels >= 3 ? row[2] : r;
        out[x] = b | g << 8 | r << 16;
    }
}

// The image data, inflated a row at a time and unfiltered as each row
// completes, so only two rows are ever held.
class RowReader {
public:
    RowReader(int width, int height, int channels, uint32_t* pixels)
        : width_(width), height_(height), channels_(channels), pixels_(pixels),
          rowBytes_(static_cast<size_t>(width) * static_cast<size_t>(channels)),
          current_(rowBytes_ + 1), prior_(rowBytes_ + 1) {
        ok_ = inflateInit(&stream_) == Z_OK;
    }
    ~RowReader() {
        if (ok_ || started_)
            inflateEnd(&stream_);
    }
    RowReader(const RowReader&) = delete;
    RowReader& operator=(const RowReader&) = delete;

    // Feeds one IDAT chunk's bytes; false once the data is found bad.
    bool Feed(const uint8_t* data, size_t size) {
        if (!ok_)
            return false;
        started_ = true;
        stream_.next_in = const_cast<Bytef*>(data);
        stream_.avail_in = static_cast<uInt>(size);
        while (stream_.avail_in > 0 && row_ < height_) {
            stream_.next_out = current_.data() + filled_;
            stream_.avail_out = static_cast<uInt>(current_.size() - filled_);
            const int result = inflate(&stream_, Z_NO_FLUSH);
            filled_ = current_.size() - stream_.avail_out;
            if (result != Z_OK && result != Z_STREAM_END)
                return ok_ = false;
            if (filled_ == current_.size() && !FinishRow())
                return ok_ = false;
            if (result == Z_STREAM_END)
                break;
        }
        return true;
    }
    bool Complete() const { return ok_ && row_ == height_; }

private:
    bool FinishRow() {
        if (!Unfilter(current_[0], current_.data() + 1, prior_.data() + 1, rowBytes_, channels_))
            return false;
        ToPixels(current_.data() + 1, width_, channels_,
                 pixels_ + static_cast<size_t>(row_) * static_cast<size_t>(width_));
        std::swap(current_, prior_);
        filled_ = 0;
        ++row_;
        return true;
    }

    int width_, height_, channels_;
    uint32_t* pixels_;
    size_t rowBytes_;
    std::vector<uint8_t> current_, prior_;
    size_t filled_ = 0;
    int row_ = 0;
    z_stream stream_{};
    bool ok_ = false;
    bool started_ = false;
};

} // namespace

bool IsPng(std::span<const uint8_t> firstBytes) {
    return firstBytes.size() >= sizeof kSignature &&
           std::memcmp(firstBytes.data(), kSignature, sizeof kSignature) == 0;
}

bool DecodePng(std::span<const uint8_t> file, const PixelTarget& target) {
    if (!IsPng(file))
        return false;
    size_t at = sizeof kSignature;
    // IHDR comes first, 13 bytes.
    if (file.size() < at + kChunkOverhead + 13 || ReadBig32(&file[at]) != 13 ||
        std::memcmp(&file[at + 4], "IHDR", 4) != 0)
        return false;
    const uint8_t* header = &file[at + 8];
    const uint32_t width = ReadBig32(header), height = ReadBig32(header + 4);
    const uint8_t depth = header[8], colourType = header[9];
    const int channels = Channels(colourType);
    if (!PictureSizeAllowed(width, height) || depth != 8 || channels == 0 || header[10] != 0 ||
        header[11] != 0 || header[12] != 0)
        return false;
    at += kChunkOverhead + 13;

    uint32_t* pixels = target(static_cast<int>(width), static_cast<int>(height));
    if (!pixels)
        return false;
    RowReader rows(static_cast<int>(width), static_cast<int>(height), channels, pixels);
    while (file.size() - at >= kChunkOverhead) {
        const uint32_t length = ReadBig32(&file[at]);
        if (length > file.size() - at - kChunkOverhead)
            return false;
        const uint8_t* type = &file[at + 4];
        const uint8_t* data = &file[at + 8];
        if (std::memcmp(type, "IDAT", 4) == 0) {
            if (!rows.Feed(data, length))
                return false;
        } else if (std::memcmp(type, "IEND", 4) == 0) {
            break;
        } else if (!(type[0] & 0x20)) {
            return false; // a critical chunk we do not know (a palette)
        }
        at += kChunkOverhead + length;
    }
    return rows.Complete();
}

} // namespace mervik::ui
