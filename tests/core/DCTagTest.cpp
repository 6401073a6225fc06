#include <gtest/gtest.h>

#include <memory>

#include "core/DataCenterBase.h"
#include "core/CoreTestSupport.h"

using core_test::Deliver;
using core_test::MakeDef;
using core_test::NoticeWnd;

namespace {

std::vector<int> AllCodes() {
  std::vector<int> codes;
  for (int c = 0; c <= 15; ++c) codes.push_back(c);
  return codes;
}

TEST(DCTagValue, EqualValuesChangeNothingAndPostNothing) {
  NoticeWnd wnd;
  CDCTag tag(nullptr, MakeDef("T", 0, 0, VT_R4), 0);
  tag.AddViewer(&wnd);
  Deliver();
  wnd.notices.clear();

  VARIANT v = VariantFromFloat(2.5f);
  EXPECT_TRUE(tag.SetTagData(&v));
  EXPECT_FALSE(tag.SetTagData(&v)) << "the same value again";
  Deliver();
  EXPECT_EQ(wnd.Codes(), std::vector<int>{eNoticeValue});
  EXPECT_FLOAT_EQ(tag.GetTagData()->fltVal, 2.5f);
}

TEST(DCTagValue, AValueOfAnotherTypeIsDropped) {
  CDCTag tag(nullptr, MakeDef("T", 0, 0, VT_R4), 0);
  for (VARIANT v : {VariantFromInt(3), VariantFromDouble(3.0), VariantFromString("3"), VariantFromBool(true),
                    VariantNull()}) {
    EXPECT_FALSE(tag.SetTagData(&v)) << v.vt;
  }
  EXPECT_EQ(tag.GetTagData()->vt, VT_R4);
  EXPECT_FLOAT_EQ(tag.GetTagData()->fltVal, 0.0f) << "the typed zero stays";
  EXPECT_FALSE(tag.SetTagData(nullptr));
}

TEST(DCTagValue, ATagWithoutTypeTakesTheTypeOfItsFirstValue) {
  NoticeWnd wnd;
  CDCTag tag(nullptr, MakeDef("T", 0, 0, VT_EMPTY), 0);
  tag.AddViewer(&wnd);
  Deliver();
  wnd.notices.clear();

  VARIANT empty;
  EXPECT_FALSE(tag.SetTagData(&empty)) << "an empty value changes nothing";
  EXPECT_EQ(tag.GetDataType(), VT_EMPTY);

  VARIANT i = VariantFromInt(7);
  EXPECT_TRUE(tag.SetTagData(&i));
  EXPECT_EQ(tag.GetDataType(), VT_I4);
  VARIANT f = VariantFromFloat(1.0f);
  EXPECT_FALSE(tag.SetTagData(&f)) << "the type is fixed now";
  Deliver();
  EXPECT_EQ(wnd.Codes(), (std::vector<int>{eNoticeDataType, eNoticeValue}));
}

TEST(DCTagValue, DatesCompareAsNumbersAndNullsAreEqual) {
  CDCTag date(nullptr, MakeDef("D", 0, 0, VT_DATE), 0);
  VARIANT d = VariantFromDate(45000.25);
  EXPECT_TRUE(date.SetTagData(&d));
  VARIANT same = VariantFromDate(45000.25);
  EXPECT_FALSE(date.SetTagData(&same));
  VARIANT asDouble = VariantFromDouble(45000.25);
  EXPECT_FALSE(date.SetTagData(&asDouble)) << "equal as a double: nothing happens";
  VARIANT later = VariantFromDate(45000.5);
  EXPECT_TRUE(date.SetTagData(&later));

  CDCTag null(nullptr, MakeDef("N", 0, 0, VT_NULL), 0);
  EXPECT_EQ(null.GetTagData()->vt, VT_NULL);
  VARIANT n = VariantNull();
  EXPECT_FALSE(null.SetTagData(&n));
}

TEST(DCTagValue, InitialValuesFollowTheFileType) {
  const struct {
    VARTYPE vt;
    VARTYPE valueVt;
  } cases[] = {{VT_BOOL, VT_BOOL}, {VT_I2, VT_I2}, {VT_R8, VT_R8},  {VT_BSTR, VT_BSTR},
               {VT_EMPTY, VT_EMPTY}, {VT_NULL, VT_NULL}, {VT_R4 | VT_ARRAY, VT_EMPTY}};
  for (const auto& c : cases) {
    CDCTag tag(nullptr, MakeDef("T", 0, 0, c.vt), 0);
    EXPECT_EQ(tag.GetDataType(), c.vt);
    EXPECT_EQ(tag.GetTagData()->vt, c.valueVt) << c.vt;
    EXPECT_EQ(tag.GetMinTag()->vt, VT_NULL);
    EXPECT_EQ(tag.GetMaxTag()->vt, VT_NULL);
  }
}

TEST(DCTagRange, SettersKeepTheTypeAndPostOnlyOnChange) {
  NoticeWnd wnd;
  CDCTag tag(nullptr, MakeDef("T", 0, 0, VT_R4), 0);
  tag.AddViewer(&wnd);
  Deliver();
  wnd.notices.clear();

  VARIANT min = VariantFromFloat(-5.0f);
  VARIANT max = VariantFromInt(100);  // converted to the tag's type
  tag.SetMinTag(&min);
  tag.SetMinTag(&min);
  tag.SetMaxTag(&max);
  VARIANT bad = VariantFromString("abc");
  tag.SetMaxTag(&bad);  // does not convert: dropped
  Deliver();
  EXPECT_EQ(wnd.Codes(), (std::vector<int>{eNoticeMinimum, eNoticeMaximum}));
  EXPECT_EQ(tag.GetMaxTag()->vt, VT_R4);
  EXPECT_FLOAT_EQ(tag.GetMaxTag()->fltVal, 100.0f);
}

TEST(DCTagPending, FlagsStickOnlyOnHardwareLinkedTagsOfTheRightDirection) {
  const struct {
    int hw, io;
    bool read, write;
  } cases[] = {
      {CDCTag::eHWNull, CDCTag::eIOOutput, false, false}, {CDCTag::eHWOpc, CDCTag::eIONull, true, false},
      {CDCTag::eHWOpc, CDCTag::eIOInput, true, false},    {CDCTag::eHWAdv, CDCTag::eIOOutput, true, true},
      {CDCTag::eHWSrl, CDCTag::eIODuplex, true, true},    {CDCTag::eHWNull, CDCTag::eIODuplex, false, false},
  };
  for (const auto& c : cases) {
    CDCTag tag(nullptr, MakeDef("T", c.hw, c.io, VT_BOOL), 0);
    tag.SetReadPending(true);
    tag.SetWritePending(true);
    EXPECT_EQ(tag.IsReadPending(), c.read) << c.hw << "/" << c.io;
    EXPECT_EQ(tag.IsWritePending(), c.write) << c.hw << "/" << c.io;
  }
}

TEST(DCTagPending, AChangePostsItsCodeAndARepeatPostsNothing) {
  NoticeWnd wnd;
  CDCTag tag(nullptr, MakeDef("T", CDCTag::eHWAdv, CDCTag::eIODuplex, VT_BOOL), 0);
  tag.AddViewer(&wnd);
  Deliver();
  wnd.notices.clear();
  tag.SetReadPending(true);
  tag.SetReadPending(true);
  tag.SetWritePending(true);
  tag.SetReadPending(false);
  tag.SetWritePending(false);
  tag.SetWritePending(false);
  Deliver();
  EXPECT_EQ(wnd.Codes(), (std::vector<int>{12, 13, 12, 13}));
}

TEST(DCTagViewers, ANewViewerGetsEveryCodeOnceAndASecondAddNothing) {
  NoticeWnd wnd;
  CDCTag tag(nullptr, MakeDef("T", 0, 0, VT_I4), 0);
  tag.AddViewer(&wnd);
  tag.AddViewer(&wnd);
  EXPECT_EQ(tag.GetViewerCount(), 1);
  Deliver();
  EXPECT_EQ(wnd.Codes(), AllCodes());
  for (const auto& n : wnd.notices) EXPECT_EQ(n.first, &tag);
}

TEST(DCTagViewers, WindowsThatDoNotExistAreNeverAddedOrPosted) {
  CDCTag tag(nullptr, MakeDef("T", 0, 0, VT_I4), 0);
  tag.AddViewer(nullptr);
  CWnd never;  // no window made
  tag.AddViewer(&never);
  EXPECT_EQ(tag.GetViewerCount(), 0);

  auto gone = std::make_unique<NoticeWnd>();
  NoticeWnd live;
  tag.AddViewer(gone.get());
  tag.AddViewer(&live);
  gone->DestroyWindow();
  gone.reset();
  VARIANT v = VariantFromInt(4);
  tag.SetTagData(&v);  // must not reach the freed window
  EXPECT_EQ(tag.GetViewerCount(), 1) << "the dead viewer left the list";
  Deliver();
  ASSERT_FALSE(live.notices.empty());
  EXPECT_EQ(live.Codes().back(), eNoticeValue);
}

TEST(DCTagViewers, RemoveViewerStopsTheNotices) {
  NoticeWnd a, b;
  CDCTag tag(nullptr, MakeDef("T", 0, 0, VT_I4), 0);
  tag.AddViewer(&a);
  tag.AddViewer(&b);
  tag.RemoveViewer(&a);
  tag.RemoveViewer(&a);
  Deliver();
  a.notices.clear();
  b.notices.clear();
  tag.NotifyViewers(eNoticeAuxText);
  Deliver();
  EXPECT_TRUE(a.notices.empty());
  EXPECT_EQ(b.Codes(), std::vector<int>{eNoticeAuxText});
}

TEST(DCTagNames, TypeNamesAndAccessPath) {
  EXPECT_EQ(CDCTag::GetHWTypeName(0), "NULL");
  EXPECT_EQ(CDCTag::GetHWTypeName(3), "SRL");
  EXPECT_EQ(CDCTag::GetHWTypeName(4), "");
  EXPECT_EQ(CDCTag::GetHWTypeName(-1), "");
  EXPECT_EQ(CDCTag::GetIOTypeName(2), "OUTPUT");
  EXPECT_EQ(CDCTag::GetIOTypeName(9), "NULL");
  CDCTag tag(nullptr, MakeDef("T", 0, 0, VT_I4), 0);
  EXPECT_EQ(tag.GetAccessPath(), "NULL");
}

TEST(DCTagInfo, InfoTextListsTheFileAndRuntimeFields) {
  TagDefinition def = MakeDef("Pump1Speed", CDCTag::eHWSrl, CDCTag::eIODuplex, VT_R4, 10);
  def.nLineNumber = 12;
  def.nTagId = 40;
  def.strAccessPath = "1:40001";
  def.nPortValuePrecision = 2;
  def.strDataExpression = "x*2";
  CDCTag tag(nullptr, def, 3);
  VARIANT v = VariantFromFloat(1.5f);
  tag.SetTagData(&v);
  const std::string info = tag.GetInfoText();
  for (const char* part :
       {"\n--- DataCenter Tag ----\n--- DCT-File Info ----\n", "LineNumberInDCTFile: 12\n", "TagID: 40\n",
        "TagName: Pump1Speed\n", "eHWType: SRL\n", "AccessPath: 1:40001\n", "eIOType: DUPLEX\n",
        "eDataType (ChangeAble): Float\n", "DataExpression: x*2\n", "DataStackSize: 10\n",
        "PortValuePrecision: 2\n", "\n--- Runtime Info ----\n", "TagData: 1.5\n", "MinTag: NULL,  MaxTag: NULL\n",
        "WritePending: 0\n", "ReadPending: 0\n", "TagViewers[Wnd]Count: 0\n"}) {
    EXPECT_NE(info.find(part), std::string::npos) << part;
  }
  const size_t at = info.find("Pointer: 0x");
  ASSERT_NE(at, std::string::npos);
  EXPECT_EQ(info.size() - at, std::string("Pointer: 0x").size() + sizeof(void*) * 2 + 1) << "full width";
}

TEST(DCTagStack, ATagWithADataStackIsASizedSampleStack) {
  CDCTag tag(nullptr, MakeDef("T", 0, 0, VT_I4, 4), 0);
  EXPECT_EQ(tag.GetSize(), 4);
  for (int i = 0; i < 6; ++i) {
    VARIANT v = VariantFromInt(i);
    tag.Push(&v);
  }
  EXPECT_EQ(tag.GetCount(), 4);
  EXPECT_EQ(tag.GetItem(0).m_vValue.lVal, 2);
}

}  // namespace
