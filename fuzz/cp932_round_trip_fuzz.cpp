// Any bytes decode and encode back to the very same bytes, with or without the
// line-end handling of the document forms.
#include "platform/cp932_codec.h"

#include <cstdint>
#include <cstdlib>
#include <cstdio>

namespace {

void require(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "cp932 round trip: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    const QString text = cp932::decode(bytes);
    const cp932::Encoded encoded = cp932::encode(text);
    require(encoded.firstUnencodable == -1, "a decoded character has no code");
    require(encoded.bytes == bytes, "encode(decode(bytes)) differs from bytes");

    // The document forms: with no CR in the input, LF line ends come back as
    // they were; every character decoded is one CP932 can hold again.
    const cp932::DecodedLines lines = cp932::decodeLines(bytes);
    require(!lines.text.contains(u'\r'), "a CR survived decodeLines");
    const cp932::Encoded relined = cp932::encodeLines(lines.text, "\n");
    require(relined.firstUnencodable == -1, "a line-decoded character has no code");
    if (!bytes.contains('\r'))
        require(relined.bytes == bytes, "LF-only bytes did not come back the same");
    return 0;
}
