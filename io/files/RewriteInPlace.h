#pragma once

#include <string>
#include <string_view>

// Rewrites an existing regular file in place, for a file that cannot be
// replaced by a new one beside it. A failure leaves the old contents as they
// were: the space for the new contents is reserved before the old ones are
// touched, and should a write fail all the same (a file size limit, a file
// system that reserves nothing) the old contents are put back, as far as the
// user may read them. Concurrent rewrites of one file take turns, so the
// file ends up holding one of them whole. Either way the failure throws
// EInOutError with the system's text.
void RewriteInPlace(const std::string& path, std::string_view bytes);
