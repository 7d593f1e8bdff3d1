// The maker's line and contact addresses shown on the About page.
#pragma once

namespace about {

constexpr const char *kMakerCopyright = "\u00A9 2012-2021\nQuorvel Devices (example)";
constexpr const char *kWebSite = "https://www.quorvel.example/";
constexpr const char *kSupportForum = "https://forum.quorvel.example/";
constexpr const char *kSupportEmail = "support@quorvel.example";

// Credits of the components named on the page.
constexpr const char *kSquirrelNotice = "\nCopyright (c) 2003-2016 the Squirrel authors";
constexpr const char *kToolkitVersion = "5.12.9";
constexpr const char *kToolkitNotice = " \u00A9 2020\nThe Qt Project contributors";

} // namespace about
