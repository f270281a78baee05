#pragma once
// The encodings the recognition request needs: Base64 and percent-encoding.

#include "base/text.h"

// RFC 4648 Base64 with "=" padding and no line breaks; empty for no bytes.
Text base64Encode(const Bytes& bytes);

// Percent-encodes every byte ("%" and two upper-case hex digits), except that with
// keepUnreserved "-", ".", digits and ASCII letters stay as they are. With utf8First
// the text is first re-encoded from code page 936 to UTF-8.
Text urlEncode(const Text& text, bool keepUnreserved = false, bool utf8First = false);
