// Handles, late-bound errors and the object registry.
#include <gtest/gtest.h>

#include "word/ObjectRegistry.h"
#include "word/WordObjects.h"

namespace {

TEST(Handles, AnEmptyHandleThrowsObjectVariableNotSet) {
  word::Ref<word::Selection> nothing;
  EXPECT_FALSE(nothing);
  try {
    nothing->TypeText(QStringLiteral("x"));
    FAIL() << "no throw";
  } catch (const word::AutomationError& e) {
    EXPECT_EQ(e.description(), QStringLiteral("Object variable not set"));
  }
  word::Ref<word::Application> app = std::make_shared<word::Application>();
  EXPECT_TRUE(app);
  app.release();
  EXPECT_THROW(app->Quit(), word::AutomationError);
}

TEST(Handles, AMemberAnObjectLacksThrowsRatherThanCrashing) {
  word::Ref<word::Document> doc = std::make_shared<word::Document>();
  try {
    doc->Repaginate();
    FAIL() << "no throw";
  } catch (const word::AutomationError& e) {
    EXPECT_TRUE(e.description().startsWith(QStringLiteral("Object doesn't support")));
    EXPECT_TRUE(e.description().contains(QStringLiteral("Document.Repaginate")));
  }
}

TEST(Registry, CreatesByProgIdAndRefusesUnknownOnes) {
  word::RegistrySnapshot snapshot;
  EXPECT_THROW(word::CreateObject(QStringLiteral("No.Such.Thing")), word::AutomationError);
  int made = 0;
  word::registerFactory(QStringLiteral("Word.Application"), [&] {
    ++made;
    return word::Ref<word::Application>(std::make_shared<word::Application>());
  });
  auto a = word::CreateObject(QStringLiteral("word.application"));
  auto b = word::CreateObject(QStringLiteral("Word.Application"));
  EXPECT_EQ(made, 2);
  EXPECT_NE(a.get(), b.get());  // every creation is a new instance
  EXPECT_THROW(word::GetObject(QString(), QStringLiteral("Word.Application")),
               word::AutomationError);  // creating registers nothing as running
}

TEST(Registry, ASnapshotRestoresWhatWasRegistered) {
  {
    word::RegistrySnapshot snapshot;
    word::registerFactory(QStringLiteral("Temp.Thing"), [] {
      return word::Ref<word::Application>(std::make_shared<word::Application>());
    });
    EXPECT_NO_THROW(word::CreateObject(QStringLiteral("Temp.Thing")));
  }
  EXPECT_THROW(word::CreateObject(QStringLiteral("Temp.Thing")), word::AutomationError);
}

TEST(CallHook, SeesEveryAnnouncedMemberAndCanFailOne) {
  std::vector<std::string> seen;
  word::ScopedCallHook hook([&](const char* member) {
    seen.emplace_back(member);
    if (std::string(member) == "Selection.TypeText")
      throw word::AutomationError(QStringLiteral("boom"));
  });
  word::announceCall("Selection.TypeParagraph");
  EXPECT_THROW(word::announceCall("Selection.TypeText"), word::AutomationError);
  EXPECT_EQ(seen, (std::vector<std::string>{"Selection.TypeParagraph", "Selection.TypeText"}));
}

}  // namespace
