#include "io/files/PendingTemporaries.h"

#include <signal.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cstring>

namespace {

enum SlotState : int { kFree, kTaken, kNoted };

struct Slot {
    std::atomic<int> state{kFree};
    std::array<char, 4096> path{};
};

// A handler may only read what is lock free.
static_assert(std::atomic<int>::is_always_lock_free);

constexpr std::size_t kSlots = 8;
std::array<Slot, kSlots> slots;

int Note(const std::string& path) {
    if (path.size() >= Slot{}.path.size()) {
        return -1;
    }
    for (std::size_t i = 0; i < kSlots; ++i) {
        int expected = kFree;
        if (slots[i].state.compare_exchange_strong(expected, kTaken)) {
            std::memcpy(slots[i].path.data(), path.c_str(), path.size() + 1);
            slots[i].state.store(kNoted);
            return static_cast<int>(i);
        }
    }
    return -1;
}

extern "C" void RemoveAndEnd(int signalNumber) {
    RemovePendingTemporaries();
    // The handler was reset on entry: raised again, the signal ends the
    // program once the handler returns, with the status it would have had.
    ::raise(signalNumber);
}

}  // namespace

PendingTemporary::PendingTemporary(const std::string& path) : slot_(Note(path)) {}

PendingTemporary::~PendingTemporary() {
    if (slot_ >= 0) {
        slots[static_cast<std::size_t>(slot_)].state.store(kFree);
    }
}

void RemovePendingTemporaries() noexcept {
    for (Slot& slot : slots) {
        if (slot.state.load() == kNoted) {
            ::unlink(slot.path.data());
        }
    }
}

void RemovePendingTemporariesOnInterrupt() {
    struct sigaction action {};
    action.sa_handler = RemoveAndEnd;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (const int signalNumber : {SIGINT, SIGTERM}) {
        // A signal the program was started to ignore (a job run in the
        // background by a shell) stays ignored.
        struct sigaction previous {};
        if (::sigaction(signalNumber, nullptr, &previous) == 0 && previous.sa_handler != SIG_IGN) {
            ::sigaction(signalNumber, &action, nullptr);
        }
    }
}
