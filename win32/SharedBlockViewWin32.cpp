#include "win32/SharedBlockViewWin32.h"

#include <cstring>
#include <memory>

namespace mervik::win {

bool SharedBlockView::Map(UniqueHandle mapping, DWORD access) {
    Unmap();
    if (!mapping)
        return false;
    view_ = MapViewOfFile(mapping.get(), access, 0, 0, sizeof(SharedSettingsBlock));
    if (view_)
        mapping_ = std::move(mapping);
    return view_ != nullptr;
}

bool SharedBlockView::Lock() const {
    if (!mutex_)
        return false;
    // Bounded: any process may hold the mutex for as long as it likes, and a
    // window thread must not freeze behind it. Not getting it fails the copy.
    const DWORD wait = WaitForSingleObject(mutex_.get(), kLockTimeoutMs);
    // A peer that died holding the mutex left a whole block (copies are single
    // memcpy calls); refusing would strand this program.
    return wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
}

bool SharedBlockView::Read(SharedSettingsBlock& into) const {
    if (!view_ || !Lock())
        return false;
    std::memcpy(&into, view_, sizeof into);
    ReleaseMutex(mutex_.get());
    return true;
}

bool SharedBlockView::Write(const SharedSettingsBlock& from) {
    if (!view_ || !Lock())
        return false;
    std::memcpy(view_, &from, sizeof from);
    ReleaseMutex(mutex_.get());
    return true;
}

bool SharedBlockView::Update(const std::function<bool(SharedSettingsBlock&)>& change) {
    if (!view_ || !Lock())
        return false;
    auto copy = std::make_unique<SharedSettingsBlock>();
    std::memcpy(copy.get(), view_, sizeof *copy);
    const bool changed = change(*copy);
    if (changed)
        std::memcpy(view_, copy.get(), sizeof *copy);
    ReleaseMutex(mutex_.get());
    return changed;
}

void SharedBlockView::Unmap() {
    if (view_)
        UnmapViewOfFile(view_);
    view_ = nullptr;
    mapping_.reset();
}

void SharedBlockView::Close() {
    Unmap();
    mutex_.reset();
}

} // namespace mervik::win
