#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>

#include "core/DataCenterBase.h"
#include "core/TagFile.h"
#include "core/VekUtils.h"
#include "core/CoreTestSupport.h"
#include "support/Doubles.h"

using core_test::Deliver;
using core_test::NoticeWnd;
using testing_support::ExitCalled;
using testing_support::KeyStateDouble;
using testing_support::MessageBoxDouble;
using testing_support::TempDir;

namespace {

const char* kGoodFile =
    "\xEF\xBB\xBF// VekFrame tags\r\n"
    "- id, name, hw, path, io, type, stack, precision, expression\r\n"
    "\r\n"
    "1, Pump1Run, ADV, 0:DO:3, OUTPUT, Bool, 0, 0,\r\n"
    "2, Pump1Speed, SRL, 1:40001, DUPLEX, Float, 10, 2, x*0.1, offset(2,3)\r\n"
    "   / indented comment\r\n"
    "3, Level, NULL, , NULL, Null, 0, 0,\r\n"
    "4,Recipe,OPC,Plant.Recipe.Name,INPUT,String,0,0,\n"
    "5, Counter, NULL, , NULL, Long, 0, 0, ";

TEST(TagFile, AGoodFileLoadsEveryTagInOrder) {
  CDataCenterBase dc;
  ASSERT_EQ(dc.LoadTagText(kGoodFile, "VTLN-DCTags.dct"), CDataCenterBase::eResultOk) << dc.GetLastErrorText();
  ASSERT_EQ(dc.GetTagCount(), 5);
  const struct {
    const char* name;
    int line, id, hw, io;
    VARTYPE vt;
    const char* path;
    const char* expr;
    int stack, precision;
  } expected[] = {
      {"Pump1Run", 4, 1, CDCTag::eHWAdv, CDCTag::eIOOutput, VT_BOOL, "0:DO:3", "", 0, 0},
      {"Pump1Speed", 5, 2, CDCTag::eHWSrl, CDCTag::eIODuplex, VT_R4, "1:40001", "x*0.1, offset(2,3)", 10, 2},
      {"Level", 7, 3, CDCTag::eHWNull, CDCTag::eIONull, VT_EMPTY, "NULL", "", 0, 0},
      {"Recipe", 8, 4, CDCTag::eHWOpc, CDCTag::eIOInput, VT_BSTR, "Plant.Recipe.Name", "", 0, 0},
      {"Counter", 9, 5, CDCTag::eHWNull, CDCTag::eIONull, VT_I4, "NULL", "", 0, 0},
  };
  for (int i = 0; i < 5; ++i) {
    const auto& e = expected[i];
    CDCTag* tag = dc.GetTagAt(i);
    ASSERT_NE(tag, nullptr);
    EXPECT_EQ(tag->GetTagIndex(), i);
    EXPECT_EQ(tag->GetTagName(), e.name);
    EXPECT_EQ(tag->GetLineNumber(), e.line) << e.name;
    EXPECT_EQ(tag->GetTagId(), e.id);
    EXPECT_EQ(tag->GetHWType(), e.hw) << e.name;
    EXPECT_EQ(tag->GetIOType(), e.io) << e.name;
    EXPECT_EQ(tag->GetDataType(), e.vt) << e.name;
    EXPECT_EQ(tag->GetAccessPath(), e.path) << e.name;
    EXPECT_EQ(tag->GetDataExpression(), e.expr) << e.name;
    EXPECT_EQ(tag->GetDataStackSize(), e.stack);
    EXPECT_EQ(tag->GetPortValuePrecision(), e.precision);
    EXPECT_EQ(dc.FindTag(e.name), tag);
  }
  EXPECT_EQ(dc.GetTagAt(5), nullptr);
  EXPECT_EQ(dc.GetTagAt(-1), nullptr);
  EXPECT_EQ(dc.FindTag("pump1run"), nullptr) << "names are case-sensitive";
  EXPECT_TRUE(dc.HasTagsOfHWType(CDCTag::eHWOpc));
}

TEST(TagFile, AFileWithoutATagLineIsRefusedNamingTheFile) {
  for (const char* text : {"", "\n\n", "// nothing\r\n-- here\r\n   \r\n", "\xEF\xBB\xBF"}) {
    CDataCenterBase dc;
    EXPECT_EQ(dc.LoadTagText(text, "/plant/f.dct"), CDataCenterBase::eResultInvalidFileVersion);
    EXPECT_EQ(dc.GetTagCount(), 0);
    EXPECT_NE(dc.GetLastErrorText().find("\"/plant/f.dct\" holds no tag line"), std::string::npos)
        << dc.GetLastErrorText();
    EXPECT_NE(dc.GetLastErrorText().find("Please update DCT file."), std::string::npos);
  }
}

TEST(TagFile, OverLongTextFieldsAreRefusedAndQuotedShort) {
  const std::string longText(300, 'N');
  const struct {
    std::string line;
    const char* field;
  } cases[] = {{"1, " + longText + ", NULL, , NULL, Float, 0, 0,", "TagName"},
               {"1, T, OPC, " + longText + ", INPUT, Float, 0, 0,", "AccessPath"},
               {"1, T, NULL, , NULL, Float, 0, 0, " + longText, "DataExpression"}};
  for (const auto& c : cases) {
    CDataCenterBase dc;
    EXPECT_EQ(dc.LoadTagText(c.line + "\n", "f.dct"), CDataCenterBase::eResultOutOfRange) << c.field;
    const std::string& message = dc.GetLastErrorText();
    EXPECT_NE(message.find("\"f.dct\" line 1, field \"" + std::string(c.field) + "\": 300 characters are too many "
                           "(at most 255): \"" + std::string(80, 'N') + "...\"."),
              std::string::npos)
        << message;
  }
  CDataCenterBase dc;
  EXPECT_EQ(dc.LoadTagText("1, " + std::string(255, 'N') + ", NULL, , NULL, Float, 0, 0,\n", "f.dct"), 0)
      << "255 characters are taken";
  // Any bad value is quoted with at most 80 characters.
  CDataCenterBase bad;
  EXPECT_EQ(bad.LoadTagText("1, T, " + std::string(200, 'H') + ", , NULL, Float, 0, 0,\n", "f.dct"), 3);
  EXPECT_NE(bad.GetLastErrorText().find("unknown hardware type \"" + std::string(80, 'H') + "...\" (NULL"),
            std::string::npos)
      << bad.GetLastErrorText();
}

TEST(TagFile, EachKindOfBadLineIsRefusedWithFileLineAndField) {
  const struct {
    const char* line;
    int result;
    const char* field;
    const char* detail;
  } cases[] = {
      {"1, T, NULL, , NULL, Flaot, 0, 0,", 3, "DataType", "unknown data type \"Flaot\""},
      {"1, T, USB, , NULL, Float, 0, 0,", 3, "HWType", "unknown hardware type \"USB\""},
      {"1, T, NULL, , IN, Float, 0, 0,", 3, "IOType", "unknown IO type \"IN\""},
      {"1, T, NULL, , NULL, Float, 0", 3, "PortValuePrecision", "missing"},
      {"1, T, NULL, , NULL, Float, 0, 0", 3, "DataExpression", "missing"},
      {"1", 3, "TagName", "missing"},
      {"x, T, NULL, , NULL, Float, 0, 0,", 3, "TagID", "\"x\" is not a whole number"},
      {"1x, T, NULL, , NULL, Float, 0, 0,", 3, "TagID", "not a whole number"},
      {"1, , NULL, , NULL, Float, 0, 0,", 3, "TagName", "empty"},
      {"1, _NO_DCTAG_, NULL, , NULL, Float, 0, 0,", 3, "TagName", "reserved"},
      {"1, ~~~~~~~~~~, NULL, , NULL, Float, 0, 0,", 3, "TagName", "reserved"},
      {"1, T, NULL, , NULL, Float, 100001, 0,", 4, "DataStackSize", "out of range"},
      {"1, T, NULL, , NULL, Float, -1, 0,", 4, "DataStackSize", "out of range"},
      {"1, T, NULL, , NULL, Float, 0, 16,", 4, "PortValuePrecision", "out of range"},
      {"1, T, NULL, , NULL, Bool, 5, 0,", 3, "DataStackSize", "data stack needs"},
      {"99999999999, T, NULL, , NULL, Float, 0, 0,", 4, "TagID", "out of range"},
  };
  for (const auto& c : cases) {
    CDataCenterBase dc;
    const std::string text = std::string("// header\n1, Good, NULL, , NULL, Float, 0, 0,\n") + c.line + "\n";
    EXPECT_EQ(dc.LoadTagText(text, "/plant/VTLN-DCTags.dct"), c.result) << c.line;
    EXPECT_EQ(dc.GetTagCount(), 0) << "all or nothing: " << c.line;
    const std::string& message = dc.GetLastErrorText();
    EXPECT_NE(message.find("\"/plant/VTLN-DCTags.dct\" line 3, field \"" + std::string(c.field) + "\""),
              std::string::npos)
        << message;
    EXPECT_NE(message.find(c.detail), std::string::npos) << message;
    EXPECT_EQ(message.rfind(CDataCenterBase::GetResultText(c.result), 0), 0u) << message;
    EXPECT_NE(message.find("Please update DCT file."), std::string::npos);
  }
}

// Each number of a tag line at its bounds, given to the parser itself: the
// bound is taken, one past it is refused naming the line and the field. (A
// line that begins with "-" is a comment, so no TagID is below 0.)
TEST(TagFile, EachNumberIsTakenAtItsBoundsAndRefusedOnePast) {
  const struct {
    const char* numbers;  // TagID, DataStackSize, PortValuePrecision
    const char* refused;  // the field refused; null when the line is taken
  } cases[] = {
      {"0 0 0", nullptr},
      {"2147483647 100000 15", nullptr},
      {"2147483648 0 0", "TagID"},
      {"1 -1 0", "DataStackSize"},
      {"1 100001 0", "DataStackSize"},
      {"1 0 -1", "PortValuePrecision"},
      {"1 0 16", "PortValuePrecision"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.numbers);
    long long id = 0, stack = 0, precision = 0;
    ASSERT_EQ(std::sscanf(c.numbers, "%lld %lld %lld", &id, &stack, &precision), 3);
    const std::string line = FormatText("%lld, T, NULL, , NULL, Float, %lld, %lld,", id, stack, precision);
    std::vector<TagDefinition> tags;
    std::vector<TagFileError> errors;
    ParseTagFileText("// header\n" + line + "\n", "f.dct", &tags, &errors);
    if (!c.refused) {
      ASSERT_EQ(tags.size(), 1u) << (errors.empty() ? "" : errors.front().strText);
      EXPECT_EQ(tags[0].nTagId, id);
      EXPECT_EQ(tags[0].nDataStackSize, stack);
      EXPECT_EQ(tags[0].nPortValuePrecision, precision);
      continue;
    }
    EXPECT_TRUE(tags.empty());
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].nResult, CDataCenterBase::eResultOutOfRange);
    EXPECT_EQ(errors[0].nLineNumber, 2);
    EXPECT_EQ(errors[0].strField, c.refused);
    EXPECT_NE(errors[0].strText.find("\"f.dct\" line 2, field \"" + std::string(c.refused) + "\""), std::string::npos)
        << errors[0].strText;
  }
}

TEST(TagFile, DuplicateNamesAreRefusedNamingBothLines) {
  CDataCenterBase dc;
  const char* text =
      "1, Speed, NULL, , NULL, Float, 0, 0,\n"
      "2, speed, NULL, , NULL, Float, 0, 0,\n"  // another name: case counts
      "3, Speed, NULL, , NULL, Int, 0, 0,\n";
  EXPECT_EQ(dc.LoadTagText(text, "f.dct"), CDataCenterBase::eResultDuplicated);
  EXPECT_NE(dc.GetLastErrorText().find("\"f.dct\" line 3, field \"TagName\": the tag name \"Speed\" is already "
                                       "used by line 1."),
            std::string::npos)
      << dc.GetLastErrorText();
  EXPECT_EQ(CDataCenterBase::GetResultText(7), "Found duplicated item!");
}

TEST(TagFile, EveryFaultyLineIsListedUpToTen) {
  std::string text;
  for (int i = 0; i < 14; ++i) text += "1, T" + std::to_string(i) + ", NULL, , NULL, Bad, 0, 0,\n";
  CDataCenterBase dc;
  EXPECT_EQ(dc.LoadTagText(text, "f.dct"), 3);
  EXPECT_NE(dc.GetLastErrorText().find("14 faulty line(s)"), std::string::npos);
  EXPECT_NE(dc.GetLastErrorText().find("line 10,"), std::string::npos);
  EXPECT_EQ(dc.GetLastErrorText().find("line 11,"), std::string::npos);
  EXPECT_NE(dc.GetLastErrorText().find("... and 4 more."), std::string::npos);
}

TEST(TagFile, MissingFileAndSecondLoad) {
  TempDir dir;
  CDataCenterBase dc;
  EXPECT_EQ(dc.LoadTagFile(dir.File("none.dct")), CDataCenterBase::eResultFileNotFound);
  EXPECT_NE(dc.GetLastErrorText().find(dir.File("none.dct")), std::string::npos);
  ASSERT_EQ(::mkdir(dir.File("folder.dct").c_str(), 0755), 0);
  EXPECT_EQ(dc.LoadTagFile(dir.File("folder.dct")), CDataCenterBase::eResultFileNotFound);
  EXPECT_EQ(dc.GetLastErrorText().find("not found"), std::string::npos) << "a folder is not said to be missing";
  EXPECT_NE(dc.GetLastErrorText().find("\"" + dir.File("folder.dct") + "\" is a folder"), std::string::npos)
      << dc.GetLastErrorText();

  dir.Write("t.dct", "1, A, NULL, , NULL, Int, 0, 0,\n");
  EXPECT_EQ(dc.LoadTagFile(dir.File("t.dct")), CDataCenterBase::eResultOk);
  EXPECT_EQ(dc.LoadTagFile(dir.File("t.dct")), CDataCenterBase::eResultAccessDenied);
  EXPECT_EQ(dc.GetTagCount(), 1) << "the tags the program holds stay";
}

TEST(ResultTexts, EveryCodeHasItsText) {
  const char* texts[] = {"Operation succeeds.", "Unknown Error!",   "Access Denied!",
                         "Invalid Parameter!",  "Parameter is out of range!!", "File not found!",
                         "Invalid File Version!", "Found duplicated item!"};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(CDataCenterBase::GetResultText(i), texts[i]);
  EXPECT_EQ(CDataCenterBase::GetResultText(8), "Unknown Error!");
}

class FindTagOrWarnTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(dc.LoadTagText("1, Speed, NULL, , NULL, Float, 0, 0,\n", "f.dct"), 0); }
  CDataCenterBase dc;
  MessageBoxDouble boxes;
  testing_support::ClipboardDouble clipboard;
};

TEST_F(FindTagOrWarnTest, NoTagNamesGiveNullQuietly) {
  for (const char* name : {"_NO_DCTAG_", "~~~~~~~~~~", ""}) EXPECT_EQ(dc.FindTagOrWarn(name), nullptr);
  EXPECT_EQ(boxes.Count(), 0u);
  EXPECT_NE(dc.FindTagOrWarn("Speed"), nullptr);
}

TEST_F(FindTagOrWarnTest, AnUnknownNameShowsTheErrorBoxWithTips) {
  EXPECT_EQ(dc.FindTagOrWarn("Sped"), nullptr);
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_EQ(boxes.Last().text.rfind("The following Tag did not found in DataCenter:\n - Sped\n\nTips:\n", 0), 0u);
  EXPECT_EQ(boxes.Last().flags, MB_OKCANCEL | MB_ICONERROR | MB_SYSTEMMODAL);
  EXPECT_EQ(clipboard.Text(), "Sped");
}

TEST_F(FindTagOrWarnTest, ShiftHeldSuppressesTheBoxAndCancelEndsTheProgram) {
  {
    KeyStateDouble keys;
    keys.Hold(VK_SHIFT);
    EXPECT_EQ(dc.FindTagOrWarn("Sped"), nullptr);
    EXPECT_EQ(boxes.Count(), 0u);
  }
  boxes.QueueAnswer(IDCANCEL);
  try {
    dc.FindTagOrWarn("Sped");
    FAIL() << "Cancel must end the program";
  } catch (const ExitCalled& exit) {
    EXPECT_EQ(exit.code, 321);
  }
}

TEST(DataCenterPending, CountsAndTheNoneOrSomeMessage) {
  NoticeWnd main;
  CDataCenterBase dc;
  ASSERT_EQ(dc.LoadTagText("1, A, OPC, a, DUPLEX, Int, 0, 0,\n"
                           "2, B, ADV, b, INPUT, Int, 0, 0,\n"
                           "3, C, NULL, , DUPLEX, Int, 0, 0,\n",
                           "f.dct"),
            0);
  dc.SetNotifyWnd(&main);
  EXPECT_TRUE(dc.IsNoReadPending());

  dc.SetAllReadPending(true);
  EXPECT_EQ(dc.GetTotalReadPending(), 2) << "the unlinked tag stays clear";
  dc.SetAllWritePending(true);
  EXPECT_EQ(dc.GetTotalWritePending(), 1) << "only the linked output tag";
  ASSERT_NE(dc.GetTagAt(0), nullptr);
  dc.GetTagAt(0)->SetReadPending(false);
  EXPECT_FALSE(dc.IsNoReadPending());
  ASSERT_NE(dc.GetTagAt(1), nullptr);
  dc.GetTagAt(1)->SetReadPending(false);
  EXPECT_TRUE(dc.IsNoReadPending());
  dc.SetAllWritePending(false);
  EXPECT_TRUE(dc.IsNoWritePending());
  Deliver();
  // Only the changes between "none" and "some" are posted.
  ASSERT_EQ(main.pending.size(), 4u);
  EXPECT_EQ(main.pending[0].second, 12);
  EXPECT_EQ(main.pending[1].second, 13);
  EXPECT_EQ(main.pending[2].second, 12);
  EXPECT_EQ(main.pending[3].second, 13);
  EXPECT_EQ(main.pending[0].first, reinterpret_cast<WPARAM>(&dc));
}

}  // namespace
