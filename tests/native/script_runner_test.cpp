#include <gtest/gtest.h>

#include "sources/script_runner.h"

TEST(ScriptRunner, CommandLineQuotesScriptAndArgument)
{
    const std::wstring script = ScriptPath(L"C:\\Gry\\Semarion", L"rozklad_losowy.py");
    EXPECT_EQ(script, L"C:\\Gry\\Semarion\\narzedzia\\rozklad_losowy.py");
    EXPECT_EQ(ScriptCommandLine(L"py.exe", script, L"C:\\Gry\\Semarion\\Stacje\\Nowa Wieś\\Nowa Wieś.roz"),
              L"py.exe \"C:\\Gry\\Semarion\\narzedzia\\rozklad_losowy.py\" "
              L"\"C:\\Gry\\Semarion\\Stacje\\Nowa Wieś\\Nowa Wieś.roz\"");
}

TEST(ScriptRunner, ResultPathIsTheLastPlikLineWithoutItsEnd)
{
    EXPECT_EQ(ScriptResultPath("Pobieram...\nPLIK: C:\\a.roz\nPLIK: C:\\b.roz\nGotowe.\n"), "C:\\b.roz");
    EXPECT_EQ(ScriptResultPath("PLIK: C:\\a b.roz  \r\n"), "C:\\a b.roz");
    EXPECT_EQ(ScriptResultPath("PLIK: C:\\a.roz \r \r"), "C:\\a.roz");
    EXPECT_EQ(ScriptResultPath("PLIK:  C:\\a.roz"), " C:\\a.roz");  // blanks after it stay
    EXPECT_EQ(ScriptResultPath(u8"PLIK: C:\\Łódź.roz\n"), u8"C:\\Łódź.roz");
    EXPECT_EQ(ScriptResultPath("PLIK: \r\n"), "");
    EXPECT_EQ(ScriptResultPath("Blad: brak klucza\n"), "");
    EXPECT_EQ(ScriptResultPath(""), "");
}

TEST(ScriptRunner, InterpreterMessageNamesCodeAndScriptInUtf8)
{
    const std::string message = InterpreterFailureMessage(2, L"rozklad_na_dzis.py");
    EXPECT_EQ(message.rfind(u8"Nie udało się uruchomic Pythona (py.exe, python.exe, python3.exe).\n"
                            u8"Kod błędu Windows: 2.\n\nRozklad przygotowuje skrypt narzedzia\\rozklad_na_dzis.py,\n"
                            u8"wiec potrzebny jest zainstalowany Python 3 (",
                            0),
              0u);
    EXPECT_EQ(message.back(), '.');
    EXPECT_LE(message.size(), 320u);
    EXPECT_NE(InterpreterFailureMessage(4294967295u, L"x.py").find("Windows: 4294967295."), std::string::npos);
}
