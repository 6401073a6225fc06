// A recipe's name against the names the other recipes bear: equal without
// case and surrounding blanks is refused; a name that is a prefix or an
// extension of another is a different name.
#include <gtest/gtest.h>

#include <vector>

#include "app/RecipeRules.h"

namespace {

TEST(RecipeNameEdgeTest, OnlyAnEqualNameIsTakenNotAPrefixOrAnExtension) {
  std::vector<CRecipeFields> recipes(2);
  recipes[0].m_nRecordID = 3;
  recipes[0].m_strRecipeName = "Summer";
  recipes[1].m_nRecordID = 4;
  recipes[1].m_strRecipeName = "Winter Blend";
  const std::string summerTaken = "Recipe 3 is named \"Summer\" already.\nPlease choose another name.";
  struct Case {
    const char* name;
    int ownId;
    std::string refusal;
  };
  const Case cases[] = {
      {"Summer", -1, summerTaken},      {" SUMMER ", -1, summerTaken}, {"summer", 4, summerTaken},
      {"Summer", 3, ""},                {"Summe", -1, ""},             {"Summer 2", -1, ""},
      {"Summers", -1, ""},              {"S", -1, ""},                 {"Winter", -1, ""},
      {"Winter Blend 2", -1, ""},       {"Blend", -1, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(recipe_rules::CheckRecipeName(c.name, c.ownId, recipes), c.refusal)
        << "\"" << c.name << "\" of recipe " << c.ownId;
  }
}

}  // namespace
