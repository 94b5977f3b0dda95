#include "planning/advisor/paintorder.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <queue>
#include <vector>

namespace {

// Adds an edge A -> B for every B and every A that is the nearest box before B along some line
// across B: sweeping along the first axis, each finished box becomes the owner of its span of
// the second axis, and each box that starts asks who owns its span. Any A wholly before B with
// overlapping spans then reaches B through a chain of such edges, since the boxes in between on
// a shared line are themselves wholly after A and wholly before B.
void AddSweepEdges(const std::vector<PaintBox>& boxes, bool alongY,
                   std::vector<std::vector<std::size_t>>& successors) {
    struct Event {
        std::int64_t at;
        bool starts; // finishing boxes go first at the same coordinate: touching counts
        std::size_t box;
    };
    std::vector<Event> events;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const PaintBox& b = boxes[i];
        events.push_back({alongY ? b.y1 : b.x1, true, i});
        events.push_back({alongY ? b.y2 : b.x2, false, i});
    }
    std::sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        if (a.at != b.at)
            return a.at < b.at;
        return a.starts < b.starts;
    });
    // Disjoint spans of the second axis: start -> (end, owner).
    std::map<std::int64_t, std::pair<std::int64_t, std::size_t>> owners;
    std::vector<std::size_t> lastLinked(boxes.size(), boxes.size());
    for (const Event& e : events) {
        const PaintBox& b = boxes[e.box];
        const std::int64_t lo = alongY ? b.x1 : b.y1;
        const std::int64_t hi = alongY ? b.x2 : b.y2;
        auto it = owners.upper_bound(lo);
        if (it != owners.begin() && std::prev(it)->second.first > lo)
            --it;
        if (e.starts) {
            for (; it != owners.end() && it->first < hi; ++it) {
                const std::size_t owner = it->second.second;
                if (owner != e.box && lastLinked[owner] != e.box) {
                    lastLinked[owner] = e.box;
                    successors[owner].push_back(e.box);
                }
            }
            continue;
        }
        // Cut back the spans the finished box now hides, keeping their parts outside it.
        std::vector<std::pair<std::int64_t, std::pair<std::int64_t, std::size_t>>> kept;
        while (it != owners.end() && it->first < hi) {
            const auto [start, span] = *it;
            if (start < lo)
                kept.push_back({start, {lo, span.second}});
            if (span.first > hi)
                kept.push_back({hi, span});
            it = owners.erase(it);
        }
        for (const auto& k : kept)
            owners.insert(k);
        owners.insert({lo, {hi, e.box}});
    }
}

} // namespace

std::vector<std::size_t> PaintingOrder(const std::vector<PaintBox>& boxes) {
    // An empty box hides nothing and is hidden by nothing: it goes where it stands.
    std::vector<std::size_t> solid;
    std::vector<PaintBox> solidBoxes;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (boxes[i].x2 > boxes[i].x1 && boxes[i].y2 > boxes[i].y1) {
            solid.push_back(i);
            solidBoxes.push_back(boxes[i]);
        }
    }
    std::vector<std::vector<std::size_t>> solidSuccessors(solid.size());
    AddSweepEdges(solidBoxes, false, solidSuccessors);
    AddSweepEdges(solidBoxes, true, solidSuccessors);

    std::vector<std::vector<std::size_t>> successors(boxes.size());
    std::vector<std::size_t> waitingFor(boxes.size(), 0);
    for (std::size_t s = 0; s < solid.size(); ++s) {
        for (std::size_t t : solidSuccessors[s]) {
            successors[solid[s]].push_back(solid[t]);
            ++waitingFor[solid[t]];
        }
    }
    // Kahn's order, always taking the earliest ready box: an order that already paints
    // correctly comes back unchanged. Overlapping boxes can close a cycle; its earliest box is
    // then taken as it stands.
    std::priority_queue<std::size_t, std::vector<std::size_t>, std::greater<>> ready;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (waitingFor[i] == 0)
            ready.push(i);
    }
    std::vector<bool> done(boxes.size(), false);
    std::vector<std::size_t> order;
    order.reserve(boxes.size());
    std::size_t nextUndone = 0;
    while (order.size() < boxes.size()) {
        std::size_t i;
        if (!ready.empty()) {
            i = ready.top();
            ready.pop();
            if (done[i])
                continue;
        } else {
            while (done[nextUndone])
                ++nextUndone;
            i = nextUndone;
        }
        done[i] = true;
        order.push_back(i);
        for (std::size_t t : successors[i]) {
            if (--waitingFor[t] == 0 && !done[t])
                ready.push(t);
        }
    }
    return order;
}

std::vector<Placement> SortForPainting(std::vector<Placement> placements) {
    std::vector<PaintBox> boxes;
    boxes.reserve(placements.size());
    for (const Placement& p : placements) {
        boxes.push_back(
            {p.X, p.Y, std::int64_t{p.X} + p.LengthAlongX, std::int64_t{p.Y} + p.WidthAlongY});
    }
    std::vector<Placement> ordered;
    ordered.reserve(placements.size());
    for (std::size_t i : PaintingOrder(boxes))
        ordered.push_back(placements[i]);
    return ordered;
}
