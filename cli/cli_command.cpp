// astrivo-cli: the rate, bodies and signs commands over the engine and the sky model.
#include "cli/cli_command.h"

#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string_view>

#include "astrivo/build_facts.h"
#include "cli/date_argument.h"
#include "cli/json_writer.h"
#include "cli/printable_text.h"
#include "engine/horoscope_scoring.h"
#include "engine/period.h"
#include "sky/sign_table.h"
#include "sky/sky_scene.h"

namespace astrivo {

namespace {

// Each command's forms (one per line; a continuation is indented) and what it does; the general
// usage and each command's own usage are built from this one table.
struct CommandHelp {
  std::string_view name;
  std::string_view forms;
  std::string_view purpose;
};

constexpr CommandHelp kCommands[] = {
    {"rate",
     "astrivo-cli rate --birth YYYY-MM-DD [--period today|tomorrow|week|month]\n"
     "                 [--today YYYY-MM-DD] [--daily]\n"
     "astrivo-cli rate --birth YYYY-MM-DD --from YYYY-MM-DD --to YYYY-MM-DD\n"
     "                 [--daily]\n",
     "Rates Luck, Love and Money (0 to 100) for the sign of the birth date,\n"
     "averaged over a period (default week) around today (default: the local\n"
     "date), or over the days from --from to --to.\n"
     "--daily adds the array \"daily\": each day's date, luck, love and money.\n"},
    {"bodies", "astrivo-cli bodies --date YYYY-MM-DD\n",
     "The six bodies' positions and sight directions on that day.\n"},
    {"signs", "astrivo-cli signs\n",
     "The twelve signs with their centres, ring radii and star counts.\n"},
    {"help", "astrivo-cli help [COMMAND]\n",
     "The usage of one command, or of all of them, as --help prints it.\n"},
};

constexpr std::string_view kCommandNames = "rate, bodies, signs or help";

// What the dates of a command's forms may be; the numbers come from their one home each.
std::string DatesNote(std::string_view forms) {
  std::string note;
  if (forms.find("--birth") != std::string_view::npos) {
    note += "Birth dates are real calendar dates with years " + std::to_string(kFirstAcceptedYear) +
            " to " + std::to_string(kLastAcceptedYear) + ".\n";
  }
  if (forms.find("--today") != std::string_view::npos) {
    note += "Every day rated lies within " + SteadyDatesText() + ";\n" + "a span has at most " +
            std::to_string(kMaxSpanDays) + " days.\n";
  }
  if (forms.find("--date") != std::string_view::npos) {
    note += "The --date of bodies lies within " + SteadyDatesText() + ".\n";
  }
  return note;
}

// Every line of text with prefix in front of it.
std::string Indented(std::string_view text, std::string_view prefix) {
  std::string result;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    result.append(prefix).append(text.substr(start, end - start + 1));
    start = end == std::string_view::npos ? text.size() : end + 1;
  }
  return result;
}

std::string GeneralUsage() {
  std::string text =
      "Usage: astrivo-cli COMMAND [OPTIONS]\n"
      "Prints one JSON object on stdout.\n"
      "\n"
      "Commands:\n";
  for (const CommandHelp& command : kCommands) {
    text += Indented(command.forms, "  ") + Indented(command.purpose, "      ");
  }
  std::string forms;
  for (const CommandHelp& command : kCommands) forms += command.forms;
  text += "\n";
  text += DatesNote(forms);
  text +=
      "Options: --help (-h), --version; COMMAND --help explains one command.\n"
      "Options have long names only.\n"
      "\n"
      "Exit status:\n"
      "  0  the object was printed\n"
      "  1  the output could not be written\n"
      "  2  bad input: one line on stderr says what was wrong\n";
  return text;
}

std::string CommandUsage(const CommandHelp& command) {
  // The first form follows "Usage: ", the others line up beneath it.
  std::string text = "Usage: " + Indented(command.forms, "       ").substr(7) + "\n";
  text += command.purpose;
  text += DatesNote(command.forms);
  return text;
}

// The one-line complaint about bad input; thrown inside this file only and turned into the
// exit status at RunCli's boundary.
struct BadInput {
  std::string message;
};

using Options = std::map<std::string, std::string, std::less<>>;

// "-b" for "--birth": the option takes long names only, so the complaint names the long ones
// the letter could stand for ("-t": --to or --today).
std::string LongFormsOf(std::string_view shortForm, const std::set<std::string_view>& names) {
  std::vector<std::string_view> matches;
  for (const std::string_view name : names) {
    if (name.size() > 2 && name[2] == shortForm[1]) matches.push_back(name);
  }
  if (matches.empty()) return "options have long names only";
  std::string text = "options have long names only, did you mean ";
  for (std::size_t k = 0; k < matches.size(); ++k) {
    if (k > 0) text += k + 1 == matches.size() ? " or " : ", ";
    text += matches[k];
  }
  return text + "?";
}

// Reads "--name value" or "--name=value" pairs, each name from allowed and at most once, and
// flags ("--name" alone, stored with an empty value).
Options ReadOptions(std::string_view command, const std::vector<std::string>& args,
                    const std::set<std::string_view>& allowed,
                    const std::set<std::string_view>& flags = {}) {
  Options options;
  for (std::size_t i = 1; i < args.size(); ++i) {
    std::string_view arg = args[i];
    if (arg.size() >= 2 && arg[0] == '-' && arg[1] != '-') {
      std::set<std::string_view> names = allowed;
      names.insert(flags.begin(), flags.end());
      throw BadInput{"unknown option '" + std::string(arg) + "' for '" + std::string(command) +
                     "'; " + LongFormsOf(arg, names)};
    }
    if (arg.size() < 3 || arg.substr(0, 2) != "--") {
      throw BadInput{"unexpected argument '" + std::string(arg) + "' for '" + std::string(command) +
                     "'"};
    }
    std::string name;
    std::string value;
    const std::size_t equals = arg.find('=');
    if (equals != std::string_view::npos) {
      name = std::string(arg.substr(0, equals));
      value = std::string(arg.substr(equals + 1));
      if (flags.count(name) != 0) throw BadInput{"option " + name + " takes no value"};
    } else {
      name = std::string(arg);
      if (allowed.count(name) != 0 && i + 1 >= args.size()) {
        throw BadInput{"option " + name + " needs a value"};
      }
      if (allowed.count(name) != 0) value = args[++i];
    }
    if (allowed.count(name) == 0 && flags.count(name) == 0) {
      throw BadInput{"unknown option '" + name + "' for '" + std::string(command) + "'"};
    }
    if (!options.emplace(name, value).second) {
      throw BadInput{"option " + name + " is given more than once"};
    }
  }
  return options;
}

std::optional<CalendarDate> DateOption(const Options& options, std::string_view name,
                                       DateKind kind) {
  const auto found = options.find(name);
  if (found == options.end()) return std::nullopt;
  std::string error;
  std::optional<CalendarDate> date = ParseDateArgument(found->second, kind, error);
  if (!date) throw BadInput{std::string(name) + ": " + error};
  return date;
}

CalendarDate RequiredDate(const Options& options, std::string_view name, DateKind kind,
                          std::string_view command) {
  std::optional<CalendarDate> date = DateOption(options, name, kind);
  if (!date) throw BadInput{"'" + std::string(command) + "' needs " + std::string(name)};
  return *date;
}

Period ReadPeriod(const Options& options) {
  const auto found = options.find("--period");
  if (found == options.end()) return Period::kThisWeek;
  const std::pair<std::string_view, Period> choices[] = {{"today", Period::kToday},
                                                         {"tomorrow", Period::kTomorrow},
                                                         {"week", Period::kThisWeek},
                                                         {"month", Period::kThisMonth}};
  for (const auto& [name, period] : choices) {
    if (found->second == name) return period;
  }
  throw BadInput{"--period: '" + found->second + "' is not one of today, tomorrow, week, month"};
}

std::string SignNameWithoutBlank(int signIndex) {
  std::string name = SignName(signIndex);
  while (!name.empty() && name.back() == ' ') name.pop_back();
  return name;
}

// Each day of the span rated on its own, as RatePeriod rates it before averaging.
void WriteDailyRatings(JsonWriter& json, SkyScene& scene, int signIndex, const CalendarDate& birth,
                       const DateSpan& span) {
  json.Key("daily").BeginArray();
  for (CalendarDate day = span.first; day.GetDayNumber() <= span.last.GetDayNumber();
       day.NextDay()) {
    scene.UpdatePlanets(static_cast<double>(day.GetDayNumber()));
    const HoroscopeScores scores = RateDay(scene, signIndex, birth, day);
    // clang-format off
    json.BeginObject()
        .Key("date").String(FormatDate(day))
        .Key("luck").Integer(scores.luck)
        .Key("love").Integer(scores.love)
        .Key("money").Integer(scores.money)
        .EndObject();
    // clang-format on
  }
  json.EndArray();
}

std::string Rate(const std::vector<std::string>& args, const LocalClock& clock) {
  const Options options =
      ReadOptions("rate", args, {"--birth", "--period", "--today", "--from", "--to"}, {"--daily"});
  const CalendarDate birth = RequiredDate(options, "--birth", DateKind::kBirth, "rate");
  const bool explicitSpan = options.count("--from") != 0 || options.count("--to") != 0;

  DateSpan span;
  if (explicitSpan) {
    if (options.count("--period") != 0 || options.count("--today") != 0) {
      throw BadInput{"--from and --to cannot be combined with --period or --today"};
    }
    if (options.count("--from") == 0) throw BadInput{"--to needs --from"};
    if (options.count("--to") == 0) throw BadInput{"--from needs --to"};
    span.first = *DateOption(options, "--from", DateKind::kDay);
    span.last = *DateOption(options, "--to", DateKind::kDay);
    if (span.first.GetDayNumber() > span.last.GetDayNumber()) {
      throw BadInput{"--from " + FormatDate(span.first) + " is after --to " +
                     FormatDate(span.last)};
    }
  } else {
    const std::optional<CalendarDate> today = DateOption(options, "--today", DateKind::kDay);
    span = SpanOfPeriod(ReadPeriod(options), today ? *today : CalendarDate(clock));
    if (!IsSteadyDate(span.first) || !IsSteadyDate(span.last)) {
      throw BadInput{"the span from " + FormatDate(span.first) + " to " + FormatDate(span.last) +
                     " runs outside " + SteadyDatesText()};
    }
  }
  const std::int64_t days = span.last.GetDayNumber() - span.first.GetDayNumber() + 1;
  if (days > kMaxSpanDays) {
    throw BadInput{"the span from " + FormatDate(span.first) + " to " + FormatDate(span.last) +
                   " has " + std::to_string(days) + " days, more than " +
                   std::to_string(kMaxSpanDays)};
  }

  SkyScene scene;
  scene.Build();
  const int signIndex = SignForBirthDate(birth);
  const HoroscopeScores scores = RatePeriod(scene, signIndex, birth, span.first, span.last);

  JsonWriter json;
  // clang-format off
  json.BeginObject()
      .Key("sign").String(SignNameWithoutBlank(signIndex))
      .Key("signIndex").Integer(signIndex)
      .Key("from").String(FormatDate(span.first))
      .Key("to").String(FormatDate(span.last))
      .Key("days").Integer(days)
      .Key("luck").Integer(scores.luck)
      .Key("love").Integer(scores.love)
      .Key("money").Integer(scores.money);
  // clang-format on
  if (options.count("--daily") != 0) WriteDailyRatings(json, scene, signIndex, birth, span);
  json.EndObject();
  return json.Text();
}

std::string Bodies(const std::vector<std::string>& args) {
  const Options options = ReadOptions("bodies", args, {"--date"});
  const CalendarDate date = RequiredDate(options, "--date", DateKind::kDay, "bodies");

  SkyScene scene;
  scene.Build();
  scene.UpdatePlanets(static_cast<double>(date.GetDayNumber()));

  JsonWriter json;
  // clang-format off
  json.BeginObject()
      .Key("date").String(FormatDate(date))
      .Key("dayNumber").Integer(date.GetDayNumber())
      .Key("bodies").BeginArray();
  // clang-format on
  for (int k = 0; k < scene.BodyCount(); ++k) {
    const Planet& body = *scene.BodyAt(k);
    // clang-format off
    json.BeginObject()
        .Key("name").String(body.name.empty() ? "SUN" : body.name)
        .Key("x").Number(body.Component(0))
        .Key("y").Number(body.Component(1))
        .Key("z").Number(body.Component(2))
        .Key("sight").BeginArray();
    // clang-format on
    for (int i = 0; i < 3; ++i) json.Number(body.sight.Component(i));
    json.EndArray().EndObject();
  }
  json.EndArray().EndObject();
  return json.Text();
}

std::string Signs(const std::vector<std::string>& args) {
  ReadOptions("signs", args, {});
  SkyScene scene;
  scene.Build();

  JsonWriter json;
  json.BeginObject().Key("signs").BeginArray();
  for (int k = 0; k < scene.SignCount(); ++k) {
    const ZodiacSign& sign = *scene.SignAt(k);
    // clang-format off
    json.BeginObject()
        .Key("sign").String(SignNameWithoutBlank(k))
        .Key("signIndex").Integer(k)
        .Key("label").String(sign.label)
        .Key("longitude").Number(sign.Component(1))
        .Key("latitude").Number(sign.Component(2))
        .Key("rho").Number(sign.Component(0))
        .Key("ringRadius").Number(sign.ringRadius)
        .Key("stars").Integer(static_cast<std::int64_t>(sign.stars.size()))
        .EndObject();
    // clang-format on
  }
  json.EndArray().EndObject();
  return json.Text();
}

bool AsksForHelp(const std::vector<std::string>& args) {
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h") return true;
  }
  return false;
}

// A command's own usage when the first argument names one, otherwise the general usage.
std::string Help(const std::vector<std::string>& args) {
  for (const CommandHelp& command : kCommands) {
    if (args[0] == command.name) return CommandUsage(command);
  }
  return GeneralUsage();
}

// "help" alone gives the general usage, "help COMMAND" that command's own.
std::string HelpCommand(const std::vector<std::string>& args) {
  if (args.size() > 2) throw BadInput{"'help' takes at most one command"};
  if (args.size() == 1) return GeneralUsage();
  for (const CommandHelp& command : kCommands) {
    if (args[1] == command.name) return CommandUsage(command);
  }
  throw BadInput{"unknown command '" + args[1] + "' (" + std::string(kCommandNames) + ")"};
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const LocalClock& clock) {
  std::string text;
  try {
    if (args.empty()) throw BadInput{"no command given"};
    if (AsksForHelp(args)) {
      text = Help(args);
    } else if (args[0] == "--version") {
      if (args.size() > 1) throw BadInput{"--version takes no other arguments"};
      text = std::string("astrivo-cli ") + kVersion + "\n";
    } else if (args[0] == "rate") {
      text = Rate(args, clock) + "\n";
    } else if (args[0] == "bodies") {
      text = Bodies(args) + "\n";
    } else if (args[0] == "signs") {
      text = Signs(args) + "\n";
    } else if (args[0] == "help") {
      text = HelpCommand(args);
    } else if (args[0].size() >= 2 && args[0][0] == '-' && args[0][1] != '-') {
      throw BadInput{"unknown option '" + args[0] + "'; " +
                     LongFormsOf(args[0], {"--help", "--version"})};
    } else {
      throw BadInput{"unknown command '" + args[0] + "' (" + std::string(kCommandNames) + ")"};
    }
  } catch (const BadInput& bad) {
    // Arguments are echoed inside the message: escaped, it stays one line of plain text.
    err << "astrivo-cli: " << WithControlsEscaped(bad.message) << " (see astrivo-cli --help)\n";
    return kExitBadInput;
  }
  out << text << std::flush;
  if (!out) {
    err << "astrivo-cli: could not write the output\n";
    return kExitOutputFailed;
  }
  return kExitSuccess;
}

}  // namespace astrivo
