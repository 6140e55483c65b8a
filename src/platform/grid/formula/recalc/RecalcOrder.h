// The order in which formulas are computed: every formula after the formulas
// it refers to, and cycles found on the way.
//
// This is Tarjan's strongly-connected-components algorithm, written with an
// explicit stack so that a chain of any length cannot exhaust the call stack.
// A component is emitted only after every component it refers to, which is the
// computing order; a component of more than one formula, or a formula that
// refers to itself, is a circular reference.
#pragma once

#include <algorithm>
#include <span>
#include <vector>

namespace formula {

struct RecalcStep {
    int formulaId;
    bool isCircular;
};

class RecalcOrder {
  public:
    // Orders the formulas reachable from `roots`. precedents(id, out) appends to
    // `out` the ids of the formulas that formula `id` refers to and that belong
    // to the computation. Ids are below idLimit. The steps are appended to `steps`.
    template <typename Precedents>
    void build(std::span<const int> roots, int idLimit, Precedents&& precedents,
               std::vector<RecalcStep>& steps);

  private:
    struct Frame {
        int id;
        std::size_t nextEdge;
        std::size_t endEdge;
    };
    static constexpr int kUnvisited = -1;

    template <typename Precedents>
    void enter(int id, Precedents& precedents);
    void finish(int id, std::vector<RecalcStep>& steps);

    std::vector<int> index_;
    std::vector<int> lowLink_;
    std::vector<char> onStack_;
    std::vector<char> refersToItself_;
    std::vector<int> visited_;
    std::vector<int> componentStack_;
    std::vector<Frame> frames_;
    std::vector<int> edges_;
    int counter_ = 0;
};

template <typename Precedents>
void RecalcOrder::enter(int id, Precedents& precedents) {
    index_[id] = lowLink_[id] = counter_++;
    visited_.push_back(id);
    componentStack_.push_back(id);
    onStack_[id] = 1;
    const std::size_t begin = edges_.size();
    precedents(id, edges_);
    for (std::size_t e = begin; e < edges_.size(); ++e) {
        if (edges_[e] == id)
            refersToItself_[id] = 1;
    }
    frames_.push_back({id, begin, edges_.size()});
}

inline void RecalcOrder::finish(int id, std::vector<RecalcStep>& steps) {
    if (lowLink_[id] != index_[id])
        return;
    // The component is the root and everything above it on the stack.
    std::size_t start = componentStack_.size() - 1;
    while (componentStack_[start] != id)
        --start;
    const bool circular = componentStack_.size() - start > 1 || refersToItself_[id];
    for (std::size_t i = start; i < componentStack_.size(); ++i) {
        onStack_[componentStack_[i]] = 0;
        steps.push_back({componentStack_[i], circular});
    }
    componentStack_.resize(start);
}

template <typename Precedents>
void RecalcOrder::build(std::span<const int> roots, int idLimit, Precedents&& precedents,
                        std::vector<RecalcStep>& steps) {
    const auto size = static_cast<std::size_t>(idLimit);
    if (index_.size() < size) {
        index_.resize(size, kUnvisited);
        lowLink_.resize(size, 0);
        onStack_.resize(size, 0);
        refersToItself_.resize(size, 0);
    }
    counter_ = 0;
    edges_.clear();
    for (int root : roots) {
        if (index_[root] != kUnvisited)
            continue;
        enter(root, precedents);
        while (!frames_.empty()) {
            Frame& frame = frames_.back();
            if (frame.nextEdge < frame.endEdge) {
                const int next = edges_[frame.nextEdge++];
                if (index_[next] == kUnvisited) {
                    enter(next, precedents);  // may reallocate frames_: `frame` is not used after
                } else if (onStack_[next]) {
                    lowLink_[frame.id] = std::min(lowLink_[frame.id], index_[next]);
                }
                continue;
            }
            const int done = frame.id;
            frames_.pop_back();
            finish(done, steps);
            if (!frames_.empty()) {
                int& parentLow = lowLink_[frames_.back().id];
                parentLow = std::min(parentLow, lowLink_[done]);
            }
        }
    }
    for (int id : visited_) {
        index_[id] = kUnvisited;
        refersToItself_[id] = 0;
    }
    visited_.clear();
}

}  // namespace formula
