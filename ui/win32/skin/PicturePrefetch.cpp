#include "ui/win32/skin/PicturePrefetch.h"

#include <future>
#include <map>
#include <mutex>

#include "ui/win32/skin/PictureLoader.h"

namespace mervik::ui {
namespace {

struct Prefetched {
    std::mutex mutex;
    std::map<std::string, std::future<Bitmap>> pictures;
};

Prefetched& Ahead() {
    static Prefetched ahead;
    return ahead;
}

} // namespace

void PrefetchPicture(const std::string& path) {
    if (path.empty())
        return;
    Prefetched& ahead = Ahead();
    std::lock_guard<std::mutex> lock(ahead.mutex);
    if (ahead.pictures.count(path))
        return;
    try {
        ahead.pictures.emplace(path, std::async(std::launch::async, LoadPicture, path));
    } catch (const std::system_error&) {
        // No thread to be had: the picture is read when it is asked for.
    }
}

Bitmap ReadPicture(const std::string& path) {
    std::future<Bitmap> reading;
    {
        Prefetched& ahead = Ahead();
        std::lock_guard<std::mutex> lock(ahead.mutex);
        auto found = ahead.pictures.find(path);
        if (found != ahead.pictures.end()) {
            reading = std::move(found->second);
            ahead.pictures.erase(found);
        }
    }
    return reading.valid() ? reading.get() : LoadPicture(path);
}

} // namespace mervik::ui
