// Any bytes decode as EUC-JP and encode back to the very same bytes; trying
// a page as EUC-JP agrees with decoding it about whether it is valid.
#include "platform/euc_jp_codec.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "EUC-JP round trip: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    const eucjp::Decoded decoded = eucjp::decodeLines(bytes);
    require(!decoded.text.contains(u'\r'), "a CR survived decodeLines");
    const QByteArrayView lineBreak = decoded.hasCr ? "\r\n" : "\n";
    const codec::Encoded encoded = eucjp::encodeLines(decoded.text, lineBreak);
    require(encoded.firstUnencodable == -1, "a decoded character has no code");
    // Line ends all alike (only LF, or only CR LF) come back as they were.
    const bool onlyLf = !bytes.contains('\r');
    const bool onlyCrLf = bytes.count("\r") == bytes.count("\r\n") && bytes.count("\n") == bytes.count("\r\n");
    if (onlyLf || onlyCrLf)
        require(encoded.bytes == bytes, "encode(decode(bytes)) differs from bytes");

    const eucjp::Decoded tried = eucjp::decodeLines(bytes, true);
    require((tried.strays == 0) == (decoded.strays == 0), "trying and decoding disagree on validity");
    if (tried.strays == 0)
        require(tried.text == decoded.text, "trying gave another text");
    return 0;
}
