#include "app/ProcessAlarms.h"

#include <vector>

#include "core/VekUtils.h"

namespace {

// What a line carries after its text: nothing, a value, or (a pump line)
// the condition that the pump's input pressure is below 2 bar.
enum class AlarmValue { None, Spt, Ait, FireTemper, TopTowerTemper, DeltaT, Pump0, Pump1, Pump2 };

struct AlarmLine {
  AlarmValue value;
  const char* text;
};

struct AlarmRow {
  const char* title;
  std::vector<AlarmLine> lines;
};

// The alarms in index order (code = index + 1).
const std::vector<AlarmRow>& AlarmRows() {
  static const std::vector<AlarmRow> kRows = {
      {"Deviation: Vacuum",
       {{AlarmValue::None, "انحراف از ست پوينت- دويشن - خلا"},
        {AlarmValue::None, "خلا از مقدار مشخص شده در فرمول انحراف زيادي دارد"}}},
      {"Deviation: Slurry Pressure",
       {{AlarmValue::None, "انحراف از ست پوينت  - دويشن - فشار اسلوري"},
        {AlarmValue::None, "فشار اسلوري از مقدار مشخص شده در فرمول انحراف زيادي دارد"}}},
      {"Deviation: Slurry DilutionFan Ratio",
       {{AlarmValue::None, "انحراف از ست پوينت  - دويشن - درجه حرارت ورودي برج"},
        {AlarmValue::None, "درجه حرارت ورودي برج از مقدار مشخص شده در فرمول انحراف زيادي دارد"}}},
      {"Deviation: InletAirTemperature",
       {{AlarmValue::None, "انحراف از ست پوينت  - دويشن - کوره هواي کرم"},
        {AlarmValue::None, "ميزان دماي کوره از ست بوينت تعيين شده انحراف دارد"}}},
      {"Deviation: Density",
       {{AlarmValue::None, "انحراف از ست پوينت  - دويشن دانسيته"},
        {AlarmValue::None, "دانسيته از مقدار مشخص شده در فرمول انحراف زيادي دارد"}}},
      {"Deviation: Moisture",
       {{AlarmValue::None, "انحراف از ست پوينت  - دويشن - رطوبت پودر"},
        {AlarmValue::None, "رطوبت از مقدار مشخص شده در فرمول انحراف زيادي دارد"}}},
      {"Local Control: Vacuum",
       {{AlarmValue::None, "کنترل دستي - خلا"},
        {AlarmValue::None, "خلا از کنترل اتومات خارج شده است"},
        {AlarmValue::None, "راهنمايي وضعيت ساکشن فن را از نظر  1: روشن بودن 2: نداشتن آلارم  3: دراختيار پي ال سي بودن  جک کنيد"},
        {AlarmValue::None, "يادآوري : ممکن است شير برگشتي باز بوده يا اينترلاکهاي ورودي برقرار نباشند"}}},
      {"Local Control: Slurry Pressure",
       {{AlarmValue::None, "کنترل دستي - فشار اسلوري"},
        {AlarmValue::None, "فشار اسلوري از کنترل اتوماتيک خارج شده است"},
        {AlarmValue::None, "راهنمايي : وضعيت ساکشن فن را از نظر  1: روشن بودن 2: نداشتن آلارم  3: دراختيار پي ال سي بودن  جک کنيد"},
        {AlarmValue::None, "يادآوري : ممکن است شير برگشتي باز بوده يا اينترلاکهاي ورودي برقرار نباشند"}}},
      {"Local Control: Slurry DilutionFan Ratio",
       {{AlarmValue::None, "کنترل دستي - درجه حرارت ورودي برج"},
        {AlarmValue::None, "درجه حرارت ورودي برج از کنترل اتومات خارج شده است"},
        {AlarmValue::None, "راهنمايي : وضعيت ديلوشن فن را از نظر  1: روشن بودن 2: نداشتن آلارم  3: دراختيار پي ال سي بودن  جک کنيد"},
        {AlarmValue::None, "يادآوري : ممکن است شير برگشتي باز بوده يا اينترلاکهاي ورودي برقرار نباشند"}}},
      {"Local Control: InletAirTemperature",
       {{AlarmValue::None, "کنترل دستي - کوره هواي گرم"},
        {AlarmValue::None, "کوره هواي کرم از کنترل اتوماتيک خارج شده است"},
        {AlarmValue::None, "راهنمايي : وضعيت کامباسشن فن را از نظر  1: روشن بودن 2: نداشتن آلارم  3: دراختيار پي ال سي بودن  جک کنيد"},
        {AlarmValue::None, "يادآوري : همجنين شير سه راهي بايد به سمت برج و کوره هواي کرم روشن باشد"},
        {AlarmValue::None, "يادآوري : ممکن است شير برگشتي باز بوده يا اينترلاکهاي ورودي برقرار نباشند"}}},
      {"Local Control: Density",
       {{AlarmValue::None, "کنترل دستي - دانسيته"},
        {AlarmValue::None, "دانسيته از کنترل اتوماتيک خارج شده است"},
        {AlarmValue::None, "راهنمايي وضعيت نوار دانسيته را از نظر  1: روشن بودن 2: نداشتن آلارم  3: دراختيار پي ال سي بودن جک کنيد"},
        {AlarmValue::None, "ياد آوري : لوپ کنترل فشار اسلوري بيش نياز کنترل دانسيته بودر مي باشد. لطفا شرايط  بمبهاي فشار قوي فعال ، بررسي شود"}}},
      {"Local Control: Moisture",
       {{AlarmValue::None, "کنترل دستي - رطوبت"},
        {AlarmValue::None, "رطوبت از کنترل اتوماتيک خارج شده است"},
        {AlarmValue::None, "راهنمايي : وضعيت نوار دانسيته را از نظر  1: روشن بودن 2: نداشتن آلارم  3: دراختيار پي ال سي بودن  جک کنيد"},
        {AlarmValue::None, "ياد آوري : لوپ کنترل خلا بيش نياز کنترل رطوبت بودر مي باشد. لطفا شرايط  ساکشن فن بررسي شود"},
        {AlarmValue::None, "يادآوري : ممکن است شير برگشتي باز بوده يا اينترلاکهاي ورودي برقرار نباشند"}}},
      {"PreCondition: Slurry DilutionFan Ratio",
       {{AlarmValue::None, "لوب خلا را درمد اتومات قرار دهيدتا لوب فن دمنده در اتومات قرار کيرد"}}},
      {"Input Pressure: Slurry Pressure",
       {{AlarmValue::Pump0, "فشار ورودي بمب فشار قوي 1 يعني فشار خروجي از هموزن زير 2 بار است"},
        {AlarmValue::Pump1, "فشار ورودي بمب فشار قوي 2 يعني فشار خروجي از هموزن زير 2 بار است"},
        {AlarmValue::Pump2, "فشار ورودي بمب فشار قوي 3 يعني فشار خروجي از هموزن زير 2 بار است"}}},
      {"Nozzel Blocking: Slurry Pressure",
       {{AlarmValue::None, "گرفتگي نازل"},
        {AlarmValue::None, "راهنمايي : وضعيت نازلها جک شود"},
        {AlarmValue::None, "به دليل کرفتکي نازلها، لوب کنترل فشار اسلوري به مد دستي مي رود"}}},
      {"Low Level Alarm : OutLetTemperature",
       {{AlarmValue::None, "درجه حرارت خروجي برج زير حد مينيمم است"}}},
      {"High Level Alarm : OutLetTemperature",
       {{AlarmValue::None, "درجه حرارت خروجي برج بالاي حد ماکزيمم است"}}},
      {"Input InterLuck",
       {{AlarmValue::None, "اينترلاکهاي ورودي برقرار نيستند"},
        {AlarmValue::None, "زيرا : ورودي منبع تغذيه قطع مي باشد"},
        {AlarmValue::None, "زيرا : دکمه ايمرجنسي استب فشرده شده است"},
        {AlarmValue::None, "زيرا : ديجيتال ورودي اينترلاک برقرار نيست"},
        {AlarmValue::None, "زيرا: شير سه راهي به سمت برج  نمي باشد"}}},
      {"Return Valve, Slurry Pressure Under 10 bar",
       {{AlarmValue::None, "شير برگشتي باز بوده و فشار اسلوري زير 10 بار است"}}},
      {"Product production is reduced!",
       {{AlarmValue::None, "توليد پودر كاهش يافته است"}}},
      {"Critical Temperature > SPT !!!",
       {{AlarmValue::None, "تجاوز دما از حد"},
        {AlarmValue::Spt, "SPT: "},
        {AlarmValue::None, "حرارت بيش از حد در برج، حرارت کوره کم شود"}}},
      {"Critical Temperature > AIT !!!",
       {{AlarmValue::None, "تجاوز دما از حد"},
        {AlarmValue::Ait, "AIT: "},
        {AlarmValue::None, "خطر آتش سوزي در برج"},
        {AlarmValue::None, "فرمان خاموش شدن كوره داده شد"},
        {AlarmValue::None, ""},
        {AlarmValue::None, "بعد از رفع مشكل در منبع آلارم، براي ادامه كار از منوي كامند، فرمان ريست پروسس را اجرا كنيد"}}},
      {"Fire Detection (Critical Fire Temperature) !!!",
       {{AlarmValue::None, "تجاوز دماي ورودي از حد"},
        {AlarmValue::FireTemper, "Critical Fire Temperature: "},
        {AlarmValue::None, "خطر آتش سوزي در برج"},
        {AlarmValue::None, "فرمان خاموش شدن كوره داده شد"},
        {AlarmValue::None, ""},
        {AlarmValue::None, "بعد از رفع مشكل در منبع آلارم، براي ادامه كار از منوي كامند، فرمان ريست پروسس را اجرا كنيد"}}},
      {"Fire Detection (Critical Top Tower Temperature) !!!",
       {{AlarmValue::None, "تجاوز دماي خروجي از حد"},
        {AlarmValue::TopTowerTemper, "Critical Top Tower Temperature: "},
        {AlarmValue::None, "خطر آتش سوزي در برج"},
        {AlarmValue::None, "فرمان خاموش شدن كوره داده شد"},
        {AlarmValue::None, ""},
        {AlarmValue::None, "بعد از رفع مشكل در منبع آلارم، براي ادامه كار از منوي كامند، فرمان ريست پروسس را اجرا كنيد"}}},
      {"Fire Detection (Critical Delta T Per Min) !!!",
       {{AlarmValue::None, "تجاوز شيب تغييرات صعودي دما از حد"},
        {AlarmValue::DeltaT, "Critical Delta T Per Min: "},
        {AlarmValue::None, "خطر آتش سوزي در برج"},
        {AlarmValue::None, "فرمان خاموش شدن كوره داده شد"},
        {AlarmValue::None, ""},
        {AlarmValue::None, "بعد از رفع مشكل در منبع آلارم، براي ادامه كار از منوي كامند، فرمان ريست پروسس را اجرا كنيد"}}},
  };
  return kRows;
}

constexpr float kLowInputPressureBar = 2.0f;

// The line as shown; false when the line is left out.
bool FormatLine(const AlarmLine& line, const ProcessAlarmValues& v, std::string& text) {
  text = line.text;
  switch (line.value) {
    case AlarmValue::None:
      return true;
    case AlarmValue::Spt:
      text += FormatText("%g", static_cast<double>(v.fSpt));
      return true;
    case AlarmValue::Ait:
      text += FormatText("%g", static_cast<double>(v.fAit));
      return true;
    case AlarmValue::FireTemper:
      text += FormatText("%d", v.nCriticalFireTemper);
      return true;
    case AlarmValue::TopTowerTemper:
      text += FormatText("%d", v.nCriticalTopTowerTemper);
      return true;
    case AlarmValue::DeltaT:
      text += FormatText("%d", v.nCriticalDeltaTPerMin);
      return true;
    case AlarmValue::Pump0:
      return v.fPumpInputPressure[0] < kLowInputPressureBar;
    case AlarmValue::Pump1:
      return v.fPumpInputPressure[1] < kLowInputPressureBar;
    case AlarmValue::Pump2:
      return v.fPumpInputPressure[2] < kLowInputPressureBar;
  }
  return true;
}

}  // namespace

std::string ProcessAlarmTitle(int nAlarm) {
  if (nAlarm < 0 || nAlarm >= kProcessAlarmCount) return {};
  return FormatText("AlarmCode: %d, %s", nAlarm + 1, AlarmRows()[static_cast<size_t>(nAlarm)].title);
}

std::string ProcessAlarmText(int nAlarm, const ProcessAlarmValues& values) {
  if (nAlarm < 0 || nAlarm >= kProcessAlarmCount) return {};
  std::string text = "آلارم شماره " + std::to_string(nAlarm + 1);
  std::string line;
  for (const AlarmLine& row : AlarmRows()[static_cast<size_t>(nAlarm)].lines)
    if (FormatLine(row, values, line)) AppendLine(text, line);
  return text;
}
