#include "ui/core/TabOrder.h"

#include <algorithm>

namespace mervik::ui {
namespace {

bool SameRow(const PixelRect& a, const PixelRect& b) {
    const int overlap = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    const int smaller = std::min(a.Height(), b.Height());
    return overlap > 0 && 2 * overlap >= smaller;
}

} // namespace

std::vector<size_t> ReadingOrder(const std::vector<PixelRect>& places) {
    std::vector<size_t> byTop(places.size());
    for (size_t i = 0; i < byTop.size(); ++i)
        byTop[i] = i;
    std::stable_sort(byTop.begin(), byTop.end(),
                     [&](size_t a, size_t b) { return places[a].top < places[b].top; });
    // Rows form from the top: each control joins the first row it shares
    // a row with any member of.
    std::vector<std::vector<size_t>> rows;
    for (size_t index : byTop) {
        auto row = std::find_if(rows.begin(), rows.end(), [&](const std::vector<size_t>& r) {
            return std::any_of(r.begin(), r.end(), [&](size_t member) {
                return SameRow(places[member], places[index]);
            });
        });
        if (row == rows.end())
            rows.push_back({index});
        else
            row->push_back(index);
    }
    std::vector<size_t> order;
    order.reserve(places.size());
    for (std::vector<size_t>& row : rows) {
        std::stable_sort(row.begin(), row.end(),
                         [&](size_t a, size_t b) { return places[a].left < places[b].left; });
        order.insert(order.end(), row.begin(), row.end());
    }
    return order;
}

int NextInReadingOrder(const std::vector<PixelRect>& places, int current, bool backwards) {
    if (places.empty())
        return -1;
    const std::vector<size_t> order = ReadingOrder(places);
    const auto at = std::find(order.begin(), order.end(), static_cast<size_t>(current));
    if (at == order.end())
        return static_cast<int>(backwards ? order.back() : order.front());
    const size_t position = static_cast<size_t>(at - order.begin());
    const size_t count = order.size();
    return static_cast<int>(order[(position + (backwards ? count - 1 : 1)) % count]);
}

int ArrowTarget(const std::vector<PixelRect>& group, int current, ArrowKey key) {
    return NextInReadingOrder(group, current, key == ArrowKey::Left || key == ArrowKey::Up);
}

} // namespace mervik::ui
