// The reader of the [Rozklad] keys.
#include "sources/rozklad_setting.h"

namespace {

std::string NoSetting(const std::string&) { return std::string(); }

RozkladReader gReader = NoSetting;

}  // namespace

RozkladReader SetRozkladReader(RozkladReader reader)
{
    RozkladReader old = gReader;
    gReader = reader ? reader : NoSetting;
    return old;
}

std::string RozkladSetting(const std::string& key) { return gReader(key); }
