// The small text rules of the main window: time texts, rate texts and the browser command.
#include <gtest/gtest.h>

#include <clocale>

#include "ui/HomePageCommand.h"
#include "ui/RateText.h"
#include "ui/TimeText.h"

TEST(TimeText, HoursAreNotLimitedToTwoDigits) {
  struct Case {
    int ms;
    const char* text;
  } cases[] = {
      {0, "00:00:00.000"},       {999, "00:00:00.999"},       {59999, "00:00:59.999"},
      {3723004, "01:02:03.004"}, {360000000, "100:00:00.000"}, {2147483647, "596:31:23.647"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatTimeText(c.ms), c.text) << c.ms;
}

TEST(RateText, ChoicesBecomeHertzAndBytesPerSecond) {
  struct Case {
    const char* text;
    int sampleRate;
    int byteRate;
  } cases[] = {
      {"44.1", 44100, 5512}, {"22.05", 22050, 2756}, {"48", 48000, 6000},   {"16", 16000, 2000},
      {"128", 128000, 16000}, {"320", 320000, 40000}, {"64", 64000, 8000}, {"", 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SampleRateFromText(c.text), c.sampleRate) << c.text;
    EXPECT_EQ(ByteRateFromText(c.text), c.byteRate) << c.text;
  }
}

TEST(RateText, DecimalPointWhateverTheLocale) {
  // A locale with a decimal comma must not turn "44.1" into 44.
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  std::string saved = previous != nullptr ? previous : "C";
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) std::setlocale(LC_NUMERIC, "fr_FR.UTF-8");
  EXPECT_EQ(SampleRateFromText("44.1"), 44100);
  EXPECT_EQ(SampleRateFromText("22.05"), 22050);
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(BrowserCommand, CutAtThePlaceholderThenBlankAndAddress) {
  const std::string address = "https://velmora.example.org/";
  struct Case {
    const char* registered;
    std::string command;
  } cases[] = {
      // A quoted placeholder after a blank keeps that blank: the address follows two blanks.
      {"/usr/bin/web \"%1\"", "/usr/bin/web  " + address},
      {"/usr/bin/web %1", "/usr/bin/web  " + address},
      {"/usr/bin/web", "/usr/bin/web " + address},
      {"/usr/bin/web --new %1 --private", "/usr/bin/web --new  " + address},
      {"\"/opt/my web/run\" \"%1\" -x", "\"/opt/my web/run\"  " + address},
  };
  for (const Case& c : cases) EXPECT_EQ(BuildBrowserCommand(c.registered, address), c.command) << c.registered;
}
