// The composer lines read as a contact: five lines of any text; only the program's own
// AppError may come out, and the boxes it fills hold text taken from the lines.
#include "FuzzPlatform.h"

#include "contacts/Windows1252.h"
#include "exchange/ComposerParse.h"
#include "platform/AppError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const std::array<QByteArray, 5> parts = fuzzSplit<5>(bytes);
    // The first byte picks the decoding, so both the 1252 bytes and real UTF-8 are reached.
    const bool utf8 = size > 0 && (data[0] & 1);
    std::array<QString, 5> lines;
    qsizetype total = 0;
    for (size_t i = 0; i < 5; ++i) {
        lines[i] = utf8 ? QString::fromUtf8(parts[i]) : fromWindows1252(parts[i]);
        total += lines[i].size();
    }

    FuzzPlatform platform;
    try {
        const ComposerParseResult result = parseComposerLines(platform, lines);
        const ComposerBoxes& b = result.boxes;
        for (const std::optional<QString>* box : {&b.txtACFName, &b.txtACMiddleInit, &b.txtACLName, &b.txtACFStreet,
                                                   &b.txtACSStreet, &b.txtACCity, &b.txtACState, &b.txtACZip})
            FUZZ_CHECK(!*box || (*box)->size() <= total);
        if (b.txtACMiddleInit)
            FUZZ_CHECK(b.txtACMiddleInit->size() <= 1);
        if (!result.openWindow)
            FUZZ_CHECK(platform.messages == 1 && platform.beeps == 1);
    } catch (const AppError& error) {
        FUZZ_CHECK(error.number() == 5);
    }
    return 0;
}
