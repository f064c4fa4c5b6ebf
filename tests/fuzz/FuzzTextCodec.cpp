// The text codec on any text and any bytes.
//
// The input is read twice: as bytes in the code page, and as UTF-16 code
// units, low byte first (any code unit, lone surrogates too). Decoding what
// was encoded gives the text back for every text whose codes are 0 to 170;
// other characters are dropped, never changed; the code page's bytes make the
// round trip whole.

#include "FuzzSupport.h"

#include "support/TextCodec.h"

namespace {

constexpr int kLastDecodedCode = 255 - TextCodec::kShift;

void checkCodes(const QString &text)
{
    for (const QChar character : text) {
        const int code = TextCodec::codeOf(character);
        FUZZ_CHECK(code == Fuzz::referenceCode(character));
        if (code >= 0)
            FUZZ_CHECK(TextCodec::characterOf(code) == character);
    }
}

void checkText(const QString &text)
{
    checkCodes(text);

    const QString encoded = TextCodec::EncodeText(text);
    const QString decoded = TextCodec::DecodeText(text);
    // Each character moves by the shift, or is dropped when it would leave the code page.
    FUZZ_CHECK(encoded.size() == Fuzz::withCodes(text, 0, kLastDecodedCode).size());
    FUZZ_CHECK(decoded.size() == Fuzz::withCodes(text, TextCodec::kShift, 255).size());
    FUZZ_CHECK(Fuzz::withCodes(encoded, TextCodec::kShift, 255) == encoded);
    FUZZ_CHECK(Fuzz::withCodes(decoded, 0, kLastDecodedCode) == decoded);

    // The round trips.
    const QString keepable = Fuzz::withCodes(text, 0, kLastDecodedCode);
    FUZZ_CHECK(TextCodec::DecodeText(encoded) == keepable);
    FUZZ_CHECK(TextCodec::DecodeText(TextCodec::EncodeText(keepable)) == keepable);
    FUZZ_CHECK(TextCodec::EncodeText(decoded) == Fuzz::withCodes(text, TextCodec::kShift, 255));

    // Each character in turn, against the codes it has.
    qsizetype encodedAt = 0;
    for (const QChar character : keepable) {
        const int code = Fuzz::referenceCode(character);
        FUZZ_CHECK(Fuzz::referenceCode(encoded.at(encodedAt)) == code + TextCodec::kShift);
        ++encodedAt;
    }

    // Whatever is encoded can be told from other bytes.
    FUZZ_CHECK(TextCodec::isEncoded(TextCodec::toBytes(encoded)));

    // Text as bytes: the characters without a code are dropped, the others kept.
    const QByteArray bytes = TextCodec::toBytes(text);
    FUZZ_CHECK(TextCodec::fromBytes(bytes) == Fuzz::withCodes(text, 0, 255));
    FUZZ_CHECK(TextCodec::toBytes(encoded) ==
               TextCodec::toBytes(TextCodec::EncodeText(TextCodec::fromBytes(bytes))));
}

void checkBytes(const QByteArray &bytes)
{
    const QString text = TextCodec::fromBytes(bytes);
    FUZZ_CHECK(text.size() == bytes.size());
    FUZZ_CHECK(TextCodec::toBytes(text) == bytes);
    for (qsizetype index = 0; index < bytes.size(); ++index)
        FUZZ_CHECK(Fuzz::referenceCode(text.at(index)) ==
                   static_cast<unsigned char>(bytes.at(index)));
    // The bytes of a saved line decode and encode back to the bytes that can be decoded.
    QByteArray decodable;
    for (const char byte : bytes) {
        if (static_cast<unsigned char>(byte) >= TextCodec::kShift)
            decodable.append(byte);
    }
    FUZZ_CHECK(TextCodec::isEncoded(bytes) == (decodable.size() == bytes.size()));
    FUZZ_CHECK(TextCodec::isEncoded(decodable));
    FUZZ_CHECK(TextCodec::toBytes(TextCodec::EncodeText(TextCodec::DecodeText(text))) == decodable);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = Fuzz::bytesOf(data, size);
    checkBytes(input);
    checkText(Fuzz::utf16Of(input));
    checkText(QString::fromUtf8(input));
    return 0;
}
