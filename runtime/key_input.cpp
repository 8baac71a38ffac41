// Key mapping shared by the window and the browser: what each key-down and text input delivers.
#include "runtime/key_input.hpp"

#include <array>

#include "runtime/key_names.hpp"
#include "runtime/text.hpp"

namespace drill {
namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// What a Japanese input method writes for the drill's keys, in hiragana (katakana is looked up as
// hiragana). Signs come from the character alone, since keyboard layouts put them on different
// keys. A letter key followed by a vowel key makes one kana, so such kana give back both letters;
// where two spellings make the same kana the common one is chosen (く "ku", し "si", ぁ "xa").
struct Typed {
  std::u32string_view text;
  std::string_view keys;
};
constexpr auto kInputMethodTexts = std::to_array<Typed>({
    {U"ー", "-"},    {U"−", "-"},     {U"‐", "-"},     {U"‑", "-"},     {U"‒", "-"},
    {U"–", "-"},     {U"—", "-"},     {U"―", "-"},     {U"ｰ", "-"},     {U"﹣", "-"},
    {U"。", "."},    {U"｡", "."},     {U"、", ","},    {U"､", ","},     {U"「", "["},
    {U"」", "]"},    {U"｢", "["},     {U"｣", "]"},     {U"・", "/"},    {U"･", "/"},
    {U"あ", "a"},    {U"い", "i"},    {U"う", "u"},    {U"え", "e"},    {U"お", "o"},
    {U"ぁ", "xa"},   {U"ぃ", "xi"},   {U"ぅ", "xu"},   {U"ぇ", "xe"},   {U"ぉ", "xo"},
    {U"や", "ya"},   {U"ゆ", "yu"},   {U"いぇ", "ye"}, {U"よ", "yo"},   {U"ば", "ba"},
    {U"び", "bi"},   {U"ぶ", "bu"},   {U"べ", "be"},   {U"ぼ", "bo"},   {U"か", "ka"},
    {U"き", "ki"},   {U"く", "ku"},   {U"け", "ke"},   {U"こ", "ko"},   {U"ま", "ma"},
    {U"み", "mi"},   {U"む", "mu"},   {U"め", "me"},   {U"も", "mo"},   {U"な", "na"},
    {U"に", "ni"},   {U"ぬ", "nu"},   {U"ね", "ne"},   {U"の", "no"},   {U"じゃ", "ja"},
    {U"じ", "ji"},   {U"じゅ", "ju"}, {U"じぇ", "je"}, {U"じょ", "jo"}, {U"くぁ", "qa"},
    {U"くぃ", "qi"}, {U"くぇ", "qe"}, {U"くぉ", "qo"}, {U"わ", "wa"},   {U"うぃ", "wi"},
    {U"うぇ", "we"}, {U"を", "wo"},   {U"ら", "ra"},   {U"り", "ri"},   {U"る", "ru"},
    {U"れ", "re"},   {U"ろ", "ro"},   {U"た", "ta"},   {U"ち", "ti"},   {U"つ", "tu"},
    {U"て", "te"},   {U"と", "to"},   {U"さ", "sa"},   {U"し", "si"},   {U"す", "su"},
    {U"せ", "se"},   {U"そ", "so"},   {U"ゔぁ", "va"}, {U"ゔぃ", "vi"}, {U"ゔ", "vu"},
    {U"ゔぇ", "ve"}, {U"ゔぉ", "vo"}, {U"ゃ", "xya"},  {U"ゅ", "xyu"},  {U"ょ", "xyo"},
});

// Katakana as the hiragana of the same sound; everything else unchanged.
char32_t AsHiragana(char32_t c) {
  return c >= U'ァ' && c <= U'ヶ' ? c - (U'ァ' - U'ぁ') : c;
}

// The entry that the text starting at `at` begins with, the longest one first; nullptr for none.
const Typed* InputMethodTextAt(const std::u32string& text, size_t at) {
  const Typed* found = nullptr;
  for (const Typed& entry : kInputMethodTexts) {
    if (at + entry.text.size() > text.size()) continue;
    if (found != nullptr && entry.text.size() <= found->text.size()) continue;
    bool same = true;
    for (size_t i = 0; i < entry.text.size() && same; ++i)
      same = AsHiragana(text[at + i]) == entry.text[i];
    if (same) found = &entry;
  }
  return found;
}

// The code of a control key, or nullptr for a key that delivers nothing by itself.
const char* ControlKeyText(PressedKey key) {
  switch (key) {
    case PressedKey::Enter:
      return kEnter;
    case PressedKey::Backspace:
      return kBackspace;
    case PressedKey::Delete:
      return kDelete;
    case PressedKey::Clear:
      return kClear;
    case PressedKey::Right:
      return kRight;
    case PressedKey::Left:
      return kLeft;
    case PressedKey::Up:
      return kUp;
    case PressedKey::Down:
      return kDown;
    default:
      return nullptr;
  }
}

}  // namespace

std::vector<std::string> KeysOfText(std::string_view text) {
  std::u32string characters = DecodeUtf8(text);
  for (char32_t& c : characters) {
    if (c >= 0xFF01 && c <= 0xFF5E) c -= 0xFEE0;
    if (c == 0x3000) c = U' ';
  }
  std::vector<std::string> keys;
  for (size_t at = 0; at < characters.size();) {
    if (const Typed* typed = InputMethodTextAt(characters, at)) {
      for (const char key : typed->keys) keys.emplace_back(1, key);
      at += typed->text.size();
    } else {
      keys.push_back(EncodeUtf8(characters[at]));
      ++at;
    }
  }
  return keys;
}

KeyDownResult KeyInput::Down(const KeyDown& key, std::deque<KeyPress>& keys) {
  // The text input echo of a key comes right after its key-down event, never after another one.
  echo_to_drop_.clear();
  // Enter commits a composition, Backspace edits it, Esc cancels it, Space and F6..F10 convert it.
  if (composing_) return KeyDownResult::Ignored;
  const bool alt = key.modifiers == Modifiers::Alt || key.modifiers == Modifiers::CtrlAlt;
  const bool ctrl = key.modifiers == Modifiers::Ctrl || key.modifiers == Modifiers::CtrlAlt;

  if (alt && !ctrl && key.key == PressedKey::Enter)
    return key.repeat ? KeyDownResult::Ignored : KeyDownResult::ToggleFullScreen;
  if (key.key == PressedKey::Function && key.function_number >= 1 && key.function_number <= 11) {
    keys.push_back(KeyPress{key.function_number, ""});
    return KeyDownResult::Delivered;
  }
  if (ctrl && !alt && key.key == PressedKey::LetterL) {
    keys.push_back(KeyPress{0, kClear});
    echo_to_drop_ = "l";
    return KeyDownResult::Delivered;
  }
  if (key.key == PressedKey::Space && !ctrl && !alt) {
    keys.push_back(KeyPress{0, " "});
    echo_to_drop_ = " ";
    return KeyDownResult::Delivered;
  }
  if (const char* text = ControlKeyText(key.key)) {
    keys.push_back(KeyPress{0, text});
    return KeyDownResult::Delivered;
  }
  return KeyDownResult::Ignored;
}

void KeyInput::Text(std::string_view text, std::deque<KeyPress>& keys) {
  composing_ = false;  // the composition, if any, is committed
  std::string echo;
  echo.swap(echo_to_drop_);
  if (!echo.empty()) {
    // Space may echo as an ideographic space, and Ctrl+L as either case of the letter.
    if (text == echo || (echo == " " && text == "\u3000") || (echo == "l" && text == "L")) return;
  }
  std::u32string printable = DecodeUtf8(text);
  // Control characters and the stand-in for broken bytes are no keys.
  std::erase_if(printable,
                [](char32_t c) { return c < 0x20 || c == 0x7f || c == kReplacementCharacter; });
  for (std::string& key : KeysOfText(EncodeUtf8(printable)))
    keys.push_back(KeyPress{0, std::move(key)});
}

}  // namespace drill
