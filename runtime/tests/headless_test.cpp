// Key scripts and the headless platform's rule that a scripted key is typed only while the program
// waits.
#include "runtime/headless.hpp"

#include <gtest/gtest.h>

#include "runtime/runtime.hpp"

namespace drill {
namespace {

KeyPress Typed(std::string text) {
  return KeyPress{0, std::move(text)};
}

TEST(KeyScriptTest, ParsesCharactersAndNames) {
  // Characters are read as the window reads typed text: 「いぇ」 is the keys y and e.
  const auto keys = ParseKeyScript("1{Enter}漢{{}{F11}{Space}ー７いぇ");
  ASSERT_TRUE(keys);
  EXPECT_EQ(*keys, (std::vector<KeyPress>{Typed("1"), Typed("\r"), Typed("漢"), Typed("{"),
                                          Typed("}"), KeyPress{11, ""}, Typed(" "), Typed("-"),
                                          Typed("7"), Typed("y"), Typed("e")}));
  EXPECT_EQ(ParseKeyScript("")->size(), 0u);
}

TEST(KeyScriptTest, NamesReadBackAsTheScript) {
  const std::string script =
      "{BS}{Del}{Clear}{Left}{Right}{Up}{Down}{F1}{F10}{Enter}{Space}{{x1{Tap 0,0}{Tap 1439,899}";
  const auto keys = ParseKeyScript(script);
  ASSERT_TRUE(keys);
  std::string names;
  for (const KeyPress& key : *keys) names += KeyName(key);
  EXPECT_EQ(names, script);
}

TEST(KeyScriptTest, RejectsMalformedScripts) {
  for (const char* script :
       {"{Enter",       "{",        "a{}",         "{enter}",      "{F0}",
        "{F12}",        "{F01}",    "{F}",         "{Esc}",        "{F1x}",
        "\xE3\x81",     "\x80",     "ab\xFF",      "{Tap 1440,0}", "{Tap 0,900}",
        "{Tap 1,}",     "{Tap ,1}", "{Tap 1,2,3}", "{Tap -1,2}",   "{Tap 12}",
        "{Tap 00001,1}"}) {
    EXPECT_FALSE(ParseKeyScript(script)) << script;
  }
}

TEST(HeadlessPlatformTest, KeyIsTypedOnlyWhileTheProgramWaits) {
  HeadlessPlatform platform(*ParseKeyScript("ab"), "08:30:05");
  EXPECT_EQ(platform.ClockText(), "08:30:05");
  Surface surface(8, 8);
  std::deque<KeyPress> keys;

  platform.TakeKeys(keys);
  EXPECT_TRUE(keys.empty());

  platform.Idle(surface);
  platform.Idle(surface);  // the first key is not taken yet: the second waits
  platform.TakeKeys(keys);
  EXPECT_EQ(keys, (std::deque<KeyPress>{Typed("a")}));
  EXPECT_EQ(platform.keys_left(), 1u);

  platform.Idle(surface);
  platform.TakeKeys(keys);
  EXPECT_EQ(keys.back(), Typed("b"));
  EXPECT_THROW(platform.Idle(surface), ScriptEnd);
}

TEST(HeadlessPlatformTest, FlushingNeverSwallowsAScriptedKey) {
  HeadlessPlatform platform(*ParseKeyScript("1{Enter}"));
  Runtime runtime(platform);
  runtime.FlushKeys();
  EXPECT_EQ(runtime.ReadKey(), "1");
  runtime.FlushKeys();
  runtime.FlushKeys();
  EXPECT_EQ(runtime.ReadKey(), "\r");
  EXPECT_THROW(runtime.ReadKey(), ScriptEnd);
}

TEST(KeyScriptTest, SaysWhereAndWhatIsWrong) {
  struct Case {
    const char* script;
    size_t position;
    const char* piece;
  };
  for (const Case& c : {Case{"12{Enter}{Escape}3", 10, "{Escape}"}, Case{"あい{Enter", 3, "{Enter"},
                        Case{"ab\xFF", 3, "\xFF"}, Case{"{{x{F99}", 4, "{F99}"}}) {
    KeyScriptError error;
    EXPECT_FALSE(ParseKeyScript(c.script, &error)) << c.script;
    EXPECT_EQ(error.position, c.position) << c.script;
    EXPECT_EQ(error.piece, c.piece) << c.script;
    EXPECT_FALSE(error.why.empty());
  }
  // A long unclosed name is shortened, not echoed whole.
  KeyScriptError error;
  EXPECT_FALSE(ParseKeyScript("{" + std::string(5000, 'E'), &error));
  EXPECT_LT(error.piece.size(), 40u);
}

}  // namespace
}  // namespace drill
