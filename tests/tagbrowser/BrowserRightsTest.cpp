// The tag browser's rights check, with each group alone: Technical and
// Plant-Admin open it, every other group is refused and no window stays.
#include "support/RightsTable.h"
#include "tagbrowser/TagBrowser.h"
#include "tests/tagbrowser/BrowserFixture.h"

namespace {

using namespace browser_test;

TEST_F(BrowserTest, OpeningAdmitsTechnicalAndPlantAdminEachAlone) {
  RegisterTagBrowser();
  rights_test::GroupUsers users;
  rights_test::ExpectGroupsOfCheck(rights_test::kTagBrowser, users, login, boxes, [&] {
    engine->ShowTagBrowser();  // the main frame's command
    CWnd* browser = engine->GetTagBrowser();
    const bool opened = browser != nullptr && browser->IsWindowVisible();
    engine->DestroyTagBrowser();
    return opened;
  });
}

}  // namespace
