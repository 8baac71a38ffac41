// The headless runner: runs one of the four programs with a key script and a fixed clock, and
// writes the trace of its drawing calls and a PNG of the final screen.
#include <algorithm>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "framework/menu/menu.hpp"
#include "programs/program_list.hpp"
#include "runtime/headless.hpp"
#include "runtime/output_file.hpp"
#include "runtime/runtime.hpp"
#include "runtime/session_files.hpp"

namespace {

constexpr int kExitDone = 0;
constexpr int kExitOutputFailed = 1;
constexpr int kExitBadArguments = 2;
constexpr int kExitErrorScreen = 3;

constexpr std::string_view kUsage =
    "usage: drill-run PROGRAM [--clock HH:MM:SS] [--keys SCRIPT | --keys-file FILE]\n"
    "                 [--trace FILE] [--png FILE] [--sheet FILE [--date YYYY/MM/DD]]\n"
    "       drill-run --list\n"
    "  PROGRAM      prop-apply, inverse-prop, func-prop or prop-graph\n"
    "  --clock      the time of day of the whole run (default 12:00:00)\n"
    "  --keys       the keys to type: characters as themselves, {Enter} {Space} {BS} {Del}\n"
    "               {Clear} {Left} {Right} {Up} {Down} {F1}..{F11}, {Tap X,Y} for a tap or\n"
    "               click at that point of the drawing, and {{ for a literal {\n"
    "  --keys-file  the same script read from FILE (- for standard input); line breaks in it\n"
    "               are not keys\n"
    "  --trace      write the trace of the run to FILE (- for standard output)\n"
    "  --png        write the final screen to FILE as a PNG\n"
    "  --sheet      write the run's results sheet to FILE as CSV (- for standard output)\n"
    "  --date       the date on the sheet (default today)\n"
    "  --list       print each program's name, title and number of problems, tab-separated\n";

struct Options {
  std::string program;
  std::string clock = "12:00:00";
  std::string keys;
  std::optional<std::string> keys_file;
  std::optional<std::string> trace;
  std::optional<std::string> png;
  std::optional<std::string> sheet;
  std::optional<std::string> date;
};

int BadArguments(std::string_view message) {
  std::cerr << "drill-run: " << message << '\n' << kUsage;
  return kExitBadArguments;
}

// "HH:MM:SS" with two digits each, a real time of day.
bool IsClock(std::string_view text) {
  if (text.size() != 8 || text[2] != ':' || text[5] != ':') return false;
  int fields[3] = {0, 0, 0};
  for (int i = 0; i < 3; ++i) {
    const char high = text[static_cast<size_t>(i * 3)];
    const char low = text[static_cast<size_t>(i * 3 + 1)];
    if (high < '0' || high > '9' || low < '0' || low > '9') return false;
    fields[i] = (high - '0') * 10 + (low - '0');
  }
  return fields[0] <= 23 && fields[1] <= 59 && fields[2] <= 59;
}

// "YYYY/MM/DD" with a month 01..12 and a day 01..31.
bool IsDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '/' || text[7] != '/') return false;
  for (size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
    if (text[i] < '0' || text[i] > '9') return false;
  const int month = (text[5] - '0') * 10 + (text[6] - '0');
  const int day = (text[8] - '0') * 10 + (text[9] - '0');
  return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

// Fills `options` from the command line; an error message when it is malformed.
std::optional<std::string> ParseArguments(const std::vector<std::string_view>& args,
                                          Options& options) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (arg == "--clock" || arg == "--keys" || arg == "--keys-file" || arg == "--trace" ||
        arg == "--png" || arg == "--sheet" || arg == "--date") {
      if (i + 1 >= args.size()) return "missing value after " + std::string(arg);
      const std::string value(args[++i]);
      if (arg == "--clock") options.clock = value;
      if (arg == "--keys") options.keys = value;
      if (arg == "--keys-file") options.keys_file = value;
      if (arg == "--trace") options.trace = value;
      if (arg == "--png") options.png = value;
      if (arg == "--sheet") options.sheet = value;
      if (arg == "--date") options.date = value;
    } else if (arg.starts_with("-")) {
      return "unknown option " + std::string(arg);
    } else if (options.program.empty()) {
      options.program = arg;
    } else {
      return "unexpected argument " + std::string(arg);
    }
  }
  if (options.program.empty()) return std::string("no program given");
  if (options.keys_file && std::find(args.begin(), args.end(), "--keys") != args.end())
    return std::string("--keys and --keys-file cannot both be given");
  return std::nullopt;
}

// The key script of a --keys-file: the whole file, or standard input for "-", without its line
// breaks. Nothing when it cannot be read.
std::optional<std::string> ReadKeysFile(const std::string& path) {
  std::ifstream file;
  std::istream* in = &std::cin;
  if (path != "-") {
    file.open(path, std::ios::binary);
    if (!file) return std::nullopt;
    in = &file;
  }
  std::ostringstream text;
  text << in->rdbuf();
  if (in->bad()) return std::nullopt;
  std::string script = text.str();
  std::erase_if(script, [](char c) { return c == '\n' || c == '\r'; });
  return script;
}

void ListPrograms() {
  for (const drill::ProgramEntry& entry : drill::kPrograms) {
    const drill::UnitDefinition& unit = entry.unit();
    std::cout << entry.name << '\t' << unit.title << '\t' << unit.ProblemCount() << '\n';
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    std::cout << kUsage;
    return kExitDone;
  }
  if (args.size() == 1 && args[0] == "--list") {
    ListPrograms();
    return kExitDone;
  }
  Options options;
  if (const auto error = ParseArguments(args, options)) return BadArguments(*error);
  const drill::UnitDefinition* unit = drill::FindProgramUnit(options.program);
  if (unit == nullptr) return BadArguments("unknown program " + options.program);
  if (!IsClock(options.clock)) return BadArguments("--clock must be HH:MM:SS: " + options.clock);
  if (options.date && !IsDate(*options.date))
    return BadArguments("--date must be YYYY/MM/DD: " + *options.date);
  if (options.keys_file) {
    std::optional<std::string> script = ReadKeysFile(*options.keys_file);
    if (!script) return BadArguments("cannot read the key script " + *options.keys_file);
    options.keys = std::move(*script);
  }
  drill::KeyScriptError script_error;
  auto keys = drill::ParseKeyScript(options.keys, &script_error);
  if (!keys) {
    return BadArguments("malformed key script at character " +
                        std::to_string(script_error.position) + ": " + script_error.why + ": " +
                        script_error.piece);
  }

  // The trace is kept until the run is over and then written as a whole, so a failed write
  // never leaves half a trace in place of what stood at the path.
  std::ostringstream trace_buffer;
  std::ostream* trace = nullptr;
  if (options.trace) trace = *options.trace == "-" ? &std::cout : &trace_buffer;

  drill::HeadlessPlatform platform(std::move(*keys), options.clock);
  drill::Runtime runtime(platform);
  runtime.SetTrace(trace);
  drill::LatestRecordKeeper records(options.date.value_or(drill::LocalDateText()));
  runtime.SetRecordKeeper(&records);
  // RunDrill itself ends quietly when the keys run out or the program ends.
  const drill::RunResult result = drill::RunDrill(runtime, *unit);

  int status = result == drill::RunResult::ErrorScreenShown ? kExitErrorScreen : kExitDone;
  if (trace == &std::cout) {
    std::cout.flush();
    if (!std::cout) {
      std::cerr << "drill-run: writing the trace failed\n";
      status = kExitOutputFailed;
    }
  } else if (trace != nullptr && !drill::WriteOutputFile(*options.trace, trace_buffer.str())) {
    std::cerr << "drill-run: cannot write the trace to " << *options.trace << '\n';
    status = kExitOutputFailed;
  }
  if (options.png && !drill::WritePng(runtime.surface(), *options.png)) {
    std::cerr << "drill-run: cannot write the PNG to " << *options.png << '\n';
    status = kExitOutputFailed;
  }
  if (options.sheet) {
    // A run that practised nothing has a sheet with no marks and no times.
    const drill::SessionRecord record = records.latest().value_or(
        drill::NewSessionRecord(options.program, unit->title, unit->ProblemCount()));
    const std::string csv = drill::SheetCsv(record);
    bool written = false;
    if (*options.sheet == "-") {
      std::cout << csv;
      std::cout.flush();
      written = static_cast<bool>(std::cout);
    } else {
      written = drill::WriteOutputFile(*options.sheet, csv);
    }
    if (!written) {
      std::cerr << "drill-run: cannot write the sheet to " << *options.sheet << '\n';
      status = kExitOutputFailed;
    }
  }
  return status;
}
