#include "X11KeyStateSource.h"

#include <X11/extensions/XInput2.h>
#include <poll.h>
#include <pthread.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <array>
#include <bitset>
#include <cerrno>
#include <cstdint>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>
#include <utility>

#include "X11Connection.h"
#include "X11KeycodeTable.h"

namespace platform_x11 {
namespace {

using Tambo::platform::AsyncKeyState;
using Tambo::platform::CursorPosition;

constexpr int kKeycodes = 256;
constexpr int kButtons = 32;

// The X button behind a mouse-button virtual key (1 left, 2 right, 4 middle, 5 and 6 the side
// buttons); 0 for any other key.
unsigned ButtonForVirtualKey(std::uint32_t virtualKey) {
    switch (virtualKey) {
        case 1:
            return 1;
        case 2:
            return 3;
        case 4:
            return 2;
        case 5:
            return 8;
        case 6:
            return 9;
        default:
            return 0;
    }
}

// An eventfd that wakes the listener out of poll() when it is asked to stop.
class WakeEvent {
public:
    WakeEvent() : fd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}
    WakeEvent(WakeEvent&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    WakeEvent& operator=(WakeEvent&&) = delete;
    ~WakeEvent() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }

    bool Valid() const { return fd_ >= 0; }
    int Fd() const { return fd_; }
    void Signal() const {
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = write(fd_, &one, sizeof one);
    }

private:
    int fd_;
};

// Press counts only grow; a virtual key remembers the count it reported last, so "pressed since
// the previous query" is per virtual key even where two of them share a key (Shift and Left
// Shift), and no press is lost to a query of another key.
struct InputState {
    std::array<std::uint64_t, kKeycodes> keyPresses{};
    std::bitset<kKeycodes> keysDown;
    std::array<std::uint64_t, kButtons> buttonPresses{};
    std::bitset<kButtons> buttonsDown;
};

class X11KeyStateSource final : public Tambo::platform::KeyStateSource {
public:
    X11KeyStateSource(X11Connection queries, X11Connection listener, int inputOpcode,
                      WakeEvent wake)
        : queries_(std::move(queries)),
          keycodes_(queries_.get()),
          listener_(std::move(listener)),
          inputOpcode_(inputOpcode),
          wake_(std::move(wake)) {
        SelectRawEvents();
        ReadInitialState();
        thread_ = std::jthread([this](std::stop_token stop) { Listen(stop); });
    }

    AsyncKeyState QueryKey(std::uint32_t virtualKey) override {
        if (virtualKey >= lastReported_.size()) {
            return {};
        }
        std::lock_guard lock(stateMutex_);
        std::uint64_t presses = 0;
        bool down = false;
        for (const KeyCode code : keycodes_.StateKeysForVirtualKey(virtualKey)) {
            if (code != 0) {
                presses += state_.keyPresses[code];
                down = down || state_.keysDown[code];
            }
        }
        if (const unsigned button = ButtonForVirtualKey(virtualKey)) {
            presses += state_.buttonPresses[button];
            down = down || state_.buttonsDown[button];
        }
        const bool pressed = presses != lastReported_[virtualKey];
        lastReported_[virtualKey] = presses;
        return AsyncKeyState{down, pressed};
    }

    CursorPosition QueryCursor() override {
        std::lock_guard lock(queryMutex_);
        const PointerState pointer = QueryPointer(queries_.get());
        return CursorPosition{pointer.x, pointer.y};
    }

private:
    void SelectRawEvents() { SelectRawKeyAndButtonEvents(listener_.get()); }

    // Keys and buttons already down when the source opens are down, though never pressed. Read
    // after the selection, so nothing falls between the two.
    void ReadInitialState() {
        Display* display = listener_.get();
        char keys[32] = {};
        XQueryKeymap(display, keys);
        const unsigned mask = QueryPointer(display).buttonMask;
        std::lock_guard lock(stateMutex_);
        for (int code = 0; code < kKeycodes; ++code) {
            state_.keysDown[code] = (static_cast<unsigned char>(keys[code / 8]) >> (code % 8)) & 1;
        }
        const unsigned buttonMasks[] = {Button1Mask, Button2Mask, Button3Mask, Button4Mask,
                                        Button5Mask};
        for (unsigned button = 1; button <= 5; ++button) {
            state_.buttonsDown[button] = (mask & buttonMasks[button - 1]) != 0;
        }
    }

    void Listen(const std::stop_token& stop) {
        pthread_setname_np(pthread_self(), "pindeck-xkeys");
        const std::stop_callback wakeOnStop(stop, [this] { wake_.Signal(); });
        Display* display = listener_.get();
        while (!stop.stop_requested()) {
            while (XPending(display) > 0) {
                XEvent event;
                XNextEvent(display, &event);
                Handle(event);
            }
            pollfd fds[] = {{ConnectionNumber(display), POLLIN, 0}, {wake_.Fd(), POLLIN, 0}};
            if (poll(fds, 2, -1) < 0 && errno != EINTR) {
                return;
            }
            // A lost server ends the listening; the state keeps what was last seen.
            if (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) {
                return;
            }
        }
    }

    void Handle(XEvent& event) {
        XGenericEventCookie& cookie = event.xcookie;
        if (cookie.type != GenericEvent || cookie.extension != inputOpcode_ ||
            !XGetEventData(listener_.get(), &cookie)) {
            return;
        }
        const auto& raw = *static_cast<const XIRawEvent*>(cookie.data);
        Record(raw.evtype, raw.detail);
        XFreeEventData(listener_.get(), &cookie);
    }

    void Record(int type, int detail) {
        std::lock_guard lock(stateMutex_);
        const bool key = type == XI_RawKeyPress || type == XI_RawKeyRelease;
        if (detail < 0 || detail >= (key ? kKeycodes : kButtons)) {
            return;
        }
        switch (type) {
            case XI_RawKeyPress:
                ++state_.keyPresses[detail];
                state_.keysDown[detail] = true;
                break;
            case XI_RawKeyRelease:
                state_.keysDown[detail] = false;
                break;
            case XI_RawButtonPress:
                ++state_.buttonPresses[detail];
                state_.buttonsDown[detail] = true;
                break;
            case XI_RawButtonRelease:
                state_.buttonsDown[detail] = false;
                break;
            default:
                break;
        }
    }

    std::mutex queryMutex_;  // guards queries_
    X11Connection queries_;
    const X11KeycodeTable keycodes_;

    std::mutex stateMutex_;  // guards state_ and lastReported_; never held with queryMutex_
    InputState state_;
    std::array<std::uint64_t, 256> lastReported_{};

    X11Connection listener_;  // used by the constructor, then by the listener thread only
    const int inputOpcode_;
    WakeEvent wake_;
    std::jthread thread_;  // declared last: stopped and joined before the members it uses go
};

}  // namespace

std::shared_ptr<Tambo::platform::KeyStateSource> OpenX11KeyStateSource(const char* displayName,
                                                                       std::string& whyNot) {
    std::optional<X11Connection> queries = X11Connection::Open(displayName, whyNot);
    std::optional<X11Connection> listener =
        queries ? X11Connection::Open(displayName, whyNot) : std::nullopt;
    if (!listener) {
        return nullptr;
    }
    int opcode = 0;
    int eventBase = 0;
    int errorBase = 0;
    // Raw events of master devices need XInput 2.1; announce 2.2, what this code is written for.
    int major = 2;
    int minor = 2;
    if (!XQueryExtension(listener->get(), "XInputExtension", &opcode, &eventBase, &errorBase) ||
        XIQueryVersion(listener->get(), &major, &minor) != Success || major != 2 || minor < 1) {
        whyNot = "the X display " + QuotedDisplayName(displayName) + " lacks XInput 2.1";
        return nullptr;
    }
    WakeEvent wake;
    if (!wake.Valid()) {
        whyNot = "cannot create the key-state listener's wake-up event";
        return nullptr;
    }
    return std::make_shared<X11KeyStateSource>(std::move(*queries), std::move(*listener), opcode,
                                               std::move(wake));
}

}  // namespace platform_x11
