// The timetable server's container and the window-free rules of its requests.
#include <gtest/gtest.h>

#include <string>

#include "sources/server_container.h"

namespace {

std::string Container(std::initializer_list<std::pair<std::string, std::string>> parts)
{
    std::string body = NewContainer();
    for (const auto& part : parts) AppendPart(body, part.first, part.second);
    return body;
}

TEST(ServerContainer, PartsWrittenAreReadBackByteForByte)
{
    const std::string binary("a\nb\tc\0d", 7);
    const std::string body = Container({{"Testowo.roz", "3,\nTestowo\n"}, {"puste.txt", ""}, {"dane.bin", binary}});
    EXPECT_EQ(body.substr(0, 22), "SEMARION1\nTestowo.roz\t");
    EXPECT_EQ(body.substr(10, 15), "Testowo.roz\t11\n");
    ASSERT_TRUE(HasContainerMagic(body));
    const ContainerParts read = ReadContainerParts(body, 10);
    EXPECT_EQ(read.end, PartsEnd::kComplete);
    ASSERT_EQ(read.parts.size(), 3u);
    EXPECT_EQ(read.parts[0].name, "Testowo.roz");
    EXPECT_EQ(read.parts[0].data, "3,\nTestowo\n");
    EXPECT_EQ(read.parts[1].data, "");
    EXPECT_EQ(read.parts[2].data, binary);
    EXPECT_EQ(ReadContainerParts(body, 1).parts.size(), 1u);
}

TEST(ServerContainer, DamagedRepliesStopWithTheirReasonAndKeepEarlierParts)
{
    const std::string good = Container({{"a.roz", "12345"}});
    EXPECT_FALSE(HasContainerMagic("SEMARION2\n"));
    EXPECT_FALSE(HasContainerMagic("SEMARION1"));
    EXPECT_TRUE(ReadContainerParts(NewContainer(), 10).parts.empty());

    ContainerParts read = ReadContainerParts(good + "b.roz\t100\nkrotko", 10);
    EXPECT_EQ(read.end, PartsEnd::kCutShort);
    ASSERT_EQ(read.parts.size(), 1u);
    EXPECT_EQ(read.parts[0].data, "12345");
    EXPECT_EQ(ReadContainerParts(good + "b.roz 3\nabc", 10).end, PartsEnd::kNoTab);
    EXPECT_EQ(ReadContainerParts(good + "b.roz\t3", 10).end, PartsEnd::kNoLineFeed);
    // A size beyond any memory, and one that wraps 64 bits, never fit.
    EXPECT_EQ(ReadContainerParts(good + "b.roz\t18446744073709551617\nabc", 10).end, PartsEnd::kCutShort);
    EXPECT_EQ(ReadContainerParts(good + "b.roz\t99999999999999999999999\nabc", 10).end, PartsEnd::kCutShort);
    // Digits end at the first other character; none give 0.
    read = ReadContainerParts(NewContainer() + "a\t2x\nab" + "b\t\n", 10);
    ASSERT_EQ(read.parts.size(), 2u);
    EXPECT_EQ(read.parts[0].data, "ab");
    EXPECT_EQ(read.parts[1].data, "");
}

TEST(ServerContainer, DelaysReplyIsTheFirstPartWhateverItsName)
{
    std::string text, error;
    EXPECT_TRUE(FirstDelaysPart(Container({{"inne.txt", "1 2 3\n"}, {"x", "y"}}), text, error));
    EXPECT_EQ(text, "1 2 3\n");
    EXPECT_EQ(error, "");
    text = "stary";
    EXPECT_TRUE(FirstDelaysPart(Container({{"rozklad.opoz", ""}}), text, error));
    EXPECT_EQ(text, "");

    const struct {
        std::string reply;
        const char* error;
    } failures[] = {
        {"<html>", "Serwer odpowiedzial czyms, czego nie rozumiem."},
        {NewContainer(), "Pusta odpowiedz serwera."},
        {NewContainer() + "rozklad.opoz 5\n12345", "Pusta odpowiedz serwera."},
        {NewContainer() + "rozklad.opoz\t5", "Pusta odpowiedz serwera."},
        {NewContainer() + "rozklad.opoz\t500\nkrotko", "Odpowiedz serwera urwana."},
    };
    for (const auto& failure : failures) {
        error.clear();
        EXPECT_FALSE(FirstDelaysPart(failure.reply, text, error)) << failure.reply;
        EXPECT_EQ(error, failure.error) << failure.reply;
    }
}

TEST(ServerRequest, EndpointIsAppendedUnlessThePathNamesIt)
{
    EXPECT_EQ(RequestPath(L"", L"rozklad"), L"/rozklad");
    EXPECT_EQ(RequestPath(L"/", L"rozklad"), L"/rozklad");
    EXPECT_EQ(RequestPath(L"/api", L"rozklad"), L"/api/rozklad");
    EXPECT_EQ(RequestPath(L"/api/", L"opoznienia"), L"/api/opoznienia");
    EXPECT_EQ(RequestPath(L"/api/rozklad", L"rozklad"), L"/api/rozklad");
    EXPECT_EQ(RequestPath(L"/api/rozklad", L"opoznienia"), L"/api/rozklad/opoznienia");
}

TEST(ServerRequest, StationHeaderIsPercentEncodedUtf8)
{
    // "Łódź Kaliska" in UTF-8.
    EXPECT_EQ(PercentEncodeBytes("\xC5\x81\xC3\xB3\x64\xC5\xBA Kaliska"), "%C5%81%C3%B3d%C5%BA%20Kaliska");
    EXPECT_EQ(PercentEncodeBytes("Aa0-_.~"), "Aa0-_.~");
    EXPECT_EQ(PercentEncodeBytes("a/b?c%\r\n"), "a%2Fb%3Fc%25%0D%0A");
    EXPECT_EQ(PercentEncodeBytes(""), "");
}

TEST(ServerRequest, StationFileIsTheTemplatesSecondLine)
{
    EXPECT_EQ(StationFileNameFromTemplate("3,\nTestowo\n8,\n"), "Testowo.stc");
    EXPECT_EQ(StationFileNameFromTemplate("3,\r\n  Stara Wies ,, \r\n"), "Stara Wies.stc");
    EXPECT_EQ(StationFileNameFromTemplate("3,\nTestowo"), "Testowo.stc");
    EXPECT_EQ(StationFileNameFromTemplate("3,\n\n8,\n"), "");
    EXPECT_EQ(StationFileNameFromTemplate("3,\n , \r\n"), "");
    EXPECT_EQ(StationFileNameFromTemplate("3,"), "");
    // Only a file beside the template is ever read and sent.
    EXPECT_EQ(StationFileNameFromTemplate("3,\n..\\..\\tajne\n"), "");
    EXPECT_EQ(StationFileNameFromTemplate("3,\nC:stacja\n"), "");
}

TEST(ServerRequest, ReceivedNamesMustBePlainFileNames)
{
    for (const char* name : {"Testowo.roz", "Testowo-dzis.opoz", "a", "Łódź.txt", "console.txt"})
        EXPECT_TRUE(IsPlainFileName(name)) << name;
    for (const char* name : {"", ".", "..", "..\\a.roz", "../a.roz", "a/b.roz", "C:a.roz", "a.roz.", "a.roz ",
                             "CON", "nul.roz", "con.roz.txt", "Com1.txt", "lpt9", "a\tb", "a?.roz", "a*.roz", "a|b", "<a>", "\"a\""})
        EXPECT_FALSE(IsPlainFileName(name)) << name;
    EXPECT_TRUE(EndsWithRoz("a.roz"));
    EXPECT_TRUE(EndsWithRoz("drugi.ROZ"));
    EXPECT_FALSE(EndsWithRoz(".roz"));
    EXPECT_FALSE(EndsWithRoz("a.rozx"));
}

TEST(ServerRequest, TemplatePathGivesFolderFileAndStation)
{
    TemplatePlace place = SplitTemplatePath(L"C:\\gra\\Stacje\\Testowo\\Testowo.roz");
    EXPECT_EQ(place.folder, L"C:\\gra\\Stacje\\Testowo");
    EXPECT_EQ(place.fileName, L"Testowo.roz");
    EXPECT_EQ(place.station, L"Testowo");
    place = SplitTemplatePath(L"Stacje/Testowo/rano/Testowo.roz");
    EXPECT_EQ(place.station, L"rano");  // a sub-folder names the station
    place = SplitTemplatePath(L"Testowo.roz");
    EXPECT_EQ(place.folder, L".");
    EXPECT_EQ(place.fileName, L"Testowo.roz");
    EXPECT_EQ(place.station, L".");
}

}  // namespace
