#include "FuzzSupport.h"

#include "image/SettingsFile.h"

// The settings file is read at every start from whatever lies beside the
// program. Any bytes must give one of the answers, and the file written from
// what was read must read back to the same values, or it would drift a little
// at every exit. The reserved text loses only the quotes a quoted text cannot
// hold.

namespace {
bool sameValues(const SettingsRecord& a, const SettingsRecord& b)
{
    QString reserved = a.reserved;
    reserved.remove(QLatin1Char('"'));
    return reserved == b.reserved && a.red == b.red && a.green == b.green && a.blue == b.blue
        && a.saveAsJpg == b.saveAsJpg && a.soundOn == b.soundOn && a.canvasExtraWidth == b.canvasExtraWidth;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SettingsRecord record;
    const SettingsReadResult result = parseSettings(inputBytes(data, size), record);
    FUZZ_CHECK(result == SettingsReadResult::Complete || result == SettingsReadResult::Incomplete);

    const QByteArray written = formatSettings(record);
    SettingsRecord reread;
    FUZZ_CHECK(parseSettings(written, reread) == SettingsReadResult::Complete);
    FUZZ_CHECK(sameValues(record, reread));
    FUZZ_CHECK(formatSettings(reread) == written);
    return 0;
}
