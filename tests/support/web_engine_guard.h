// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt WebEngine's own Chromium code is not built for AddressSanitizer and
// trips it (a sized delete of another type) as soon as a page loads, so the
// tests that load pages skip in sanitizer builds.

namespace wrenpad::test {

inline constexpr bool kWebEngineUnderSanitizer =
#if defined(__SANITIZE_ADDRESS__)
    true;
#else
    false;
#endif

inline constexpr const char* kWebEngineSkipReason =
    "Qt WebEngine trips AddressSanitizer inside Chromium; pages are loaded in the plain build";

}  // namespace wrenpad::test
