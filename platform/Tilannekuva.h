#pragma once
// Reads that must agree with each other. While a Tilannekuva lives, the
// registry reads of its thread all see one version of the store, whatever
// other programs write meanwhile; the thread's own writes are seen. The
// Windows registry keeps every value on its own, so there it does nothing.

namespace sorvik::rekisteri {

class Tilannekuva {
public:
#if defined(_WIN32)
    Tilannekuva() = default;
    ~Tilannekuva() = default;
#else
    Tilannekuva();
    ~Tilannekuva();
#endif
    Tilannekuva(const Tilannekuva&) = delete;
    Tilannekuva& operator=(const Tilannekuva&) = delete;
};

} // namespace sorvik::rekisteri
