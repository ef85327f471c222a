#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace lorvex::builder {

// A set of numbers below a fixed bound that the searches add to and take from on every step:
// its members in a list (in no particular order, for picking one at random) and each number's
// place in it, so that adding, taking out and asking cost the same whatever the size.
class IndexedSet {
public:
    explicit IndexedSet(std::size_t bound) : place_(bound, 0) {}

    std::size_t bound() const { return place_.size(); }
    std::size_t size() const { return members_.size(); }
    bool empty() const { return members_.empty(); }
    std::uint32_t operator[](std::size_t index) const { return members_[index]; }
    std::span<const std::uint32_t> members() const { return members_; }
    bool contains(std::uint32_t number) const { return place_[number] != 0; }

    // `number` must not be a member yet.
    void insert(std::uint32_t number) {
        members_.push_back(number);
        place_[number] = std::uint32_t(members_.size());
    }

    // `number` must be a member; the last member takes its place.
    void erase(std::uint32_t number) {
        const std::uint32_t place = place_[number] - 1;
        const std::uint32_t last = members_.back();
        members_[place] = last;
        place_[last] = place + 1;
        members_.pop_back();
        place_[number] = 0;
    }

    void clear() {
        for (const std::uint32_t number : members_) place_[number] = 0;
        members_.clear();
    }

private:
    std::vector<std::uint32_t> members_;
    std::vector<std::uint32_t> place_;  // per number: 1 + its place in members_, or 0
};

}  // namespace lorvex::builder
