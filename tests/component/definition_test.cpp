#include <gtest/gtest.h>

#include "component/definition_reader.h"
#include "component/definition_writer.h"
#include "component/handler_registry.h"
#include "component/program_scope.h"
#include "definition_test_classes.h"

namespace vorlan {
namespace {

using namespace testing_classes;

class DefinitionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterTestClasses();
    Journal().clear();
    Handlers().Register("Ping", std::function<void(TComponent*)>([this](TComponent*) { ++pings; }));
  }

  ProgramScope scope;
  int pings = 0;
};

const char* const kFull = R"(object Form1: TTestForm
  Caption = 'It''s a form'#13#10'second line'
  object First: TTestItem
    Flag = True
    Count = -42
    Text = 'one' +
      ' two'
    Color = tcBlue
    Colors = [tcRed, tcBlue]
    Buddy = Second  // a forward reference
    Lines = ('a' 'b' '')
    Info.Company = 'Zarvik Software'
    Info.Version = 7
    Entries = <
      item
        Ident = 'Path'
        Target = Form1
      end
      item
        Ident = 'Other'
      end>
    OnPing = Ping
    Data = {00FF10
            AB}
  end
  object Second: TTestItem
    Count = $10
  end
end
)";

TEST_F(DefinitionTest, ReadsEveryKindOfProperty) {
  auto root = ReadDefinition(kFull);
  auto& form = dynamic_cast<TTestForm&>(*root);
  EXPECT_EQ(form.Name(), "Form1");
  EXPECT_EQ(form.Caption(), "It's a form\r\nsecond line");
  auto* first = dynamic_cast<TTestItem*>(form.FindComponent("First"));
  auto* second = dynamic_cast<TTestItem*>(form.FindComponent("Second"));
  ASSERT_TRUE(first && second);
  EXPECT_TRUE(first->Flag());
  EXPECT_TRUE(first->flag_set_while_loading);
  EXPECT_EQ(first->Count(), -42);
  EXPECT_EQ(first->Text(), "one two");
  EXPECT_EQ(first->Color(), TTestColor::tcBlue);
  EXPECT_EQ(first->Colors(), 0b101);
  EXPECT_EQ(first->Buddy(), second);
  EXPECT_EQ(first->Lines(), (TStringList{"a", "b", ""}));
  EXPECT_EQ(first->Info()->Company(), "Zarvik Software");
  EXPECT_EQ(first->Info()->Version(), 7);
  ASSERT_EQ(first->Entries()->Count(), 2);
  EXPECT_EQ(first->Entries()->ItemAs<TTestEntry>(0).Target(), &form);
  EXPECT_EQ(first->Entries()->ItemAs<TTestEntry>(1).Ident(), "Other");
  EXPECT_EQ(first->Data(), (TBytes{0x00, 0xFF, 0x10, 0xAB}));
  EXPECT_EQ(second->Count(), 16);
  first->OnPing()(first);
  EXPECT_EQ(pings, 1);
  EXPECT_FALSE(first->Loading());
  EXPECT_EQ(Journal(), (std::vector<std::string>{"loaded First", "loaded Second"}));
}

TEST_F(DefinitionTest, RemembersWhichPropertiesWereStored) {
  auto root = ReadDefinition(kFull);
  auto* second = root->FindComponent("Second");
  auto* first = root->FindComponent("First");
  EXPECT_TRUE(second->IsPropertyStored("Count"));
  EXPECT_FALSE(second->IsPropertyStored("Text"));
  EXPECT_TRUE(first->IsPropertyStored("Info.Company"));
}

TEST_F(DefinitionTest, RoundTripKeepsEveryProperty) {
  auto root = ReadDefinition(kFull);
  std::string written = WriteDefinition(*root);
  auto again = ReadDefinition(written);
  EXPECT_EQ(WriteDefinition(*again), written);
  auto* first = dynamic_cast<TTestItem*>(again->FindComponent("First"));
  EXPECT_EQ(first->Buddy(), again->FindComponent("Second"));
  EXPECT_EQ(first->OnPing().HandlerName(), "Ping");
  EXPECT_EQ(first->Entries()->ItemAs<TTestEntry>(0).Target(), again.get());
  EXPECT_EQ(dynamic_cast<TTestForm&>(*again).Caption(), "It's a form\r\nsecond line");
}

TEST_F(DefinitionTest, WriterLeavesDefaultsOut) {
  auto root = ReadDefinition("object F: TTestForm\n object A: TTestItem\n end\nend\n");
  EXPECT_EQ(WriteDefinition(*root), "object F: TTestForm\n  object A: TTestItem\n  end\nend\n");
}

TEST_F(DefinitionTest, ConstructorsCompanionIsReadInto) {
  auto root = ReadDefinition(R"(object F: TTestForm
  object Maker: TTestMaker
  end
  object Companion: TTestItem
    Count = 5
  end
end)");
  ASSERT_EQ(root->ComponentCount(), 2);
  EXPECT_EQ(dynamic_cast<TTestItem*>(root->FindComponent("Companion"))->Count(), 5);
}

struct TMalformed {
  const char* text;
  int line;
  int column;
  const char* message;
};

class MalformedDefinitionTest : public DefinitionTest, public ::testing::WithParamInterface<TMalformed> {};

TEST_P(MalformedDefinitionTest, IsRejectedWithItsPlace) {
  const TMalformed& c = GetParam();
  try {
    ReadDefinition(c.text);
    FAIL() << "accepted: " << c.text;
  } catch (const EReadError& e) {
    EXPECT_EQ(e.Pos().line, c.line) << e.Message();
    EXPECT_EQ(e.Pos().column, c.column) << e.Message();
    EXPECT_NE(e.Message().find(c.message), std::string::npos) << e.Message();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, MalformedDefinitionTest,
    ::testing::Values(
        TMalformed{"object F TTestForm\nend", 1, 10, "expected ':'"},
        TMalformed{"object F: TTestForm\n  Caption = 'open\nend", 2, 13, "unterminated string"},
        TMalformed{"object F: TTestForm\n  object A: TTestItem\n", 3, 1, "unterminated object A"},
        TMalformed{"object F: TTestForm\n  object A: TTestItem\n    Entries = <\n      item\n", 4, 7,
                   "unterminated collection item"},
        TMalformed{"object F: TTestForm\n  object A: TTestItem\n    Entries = < item end\n", 3, 15,
                   "unterminated collection"},
        TMalformed{"object F: TTestForm\n  object A: TNoSuch\n  end\nend", 2, 13, "unknown class TNoSuch"},
        TMalformed{"object F: TTestForm\n  Colour = 'x'\nend", 2, 3, "unknown property Colour"},
        TMalformed{"object F: TTestForm\n  object A: TTestItem\n    Count = 'x'\n  end\nend", 3, 13,
                   "expects an integer, found a string"},
        TMalformed{"object F: TTestForm\n  object A: TTestItem\n    Flag = Maybe\n  end\nend", 3, 12,
                   "expects a Boolean"},
        TMalformed{"object F: TTestForm\n  object A: TTestItem\n    Color = tcPink\n  end\nend", 3, 13,
                   "tcPink is not a value of TTestColor"},
        TMalformed{"object F: TTestForm\n  object A: TTestItem\n    Colors = [tcRed, tcPink]\n  end\nend", 3, 22,
                   "tcPink is not a value of TTestColor"},
        TMalformed{"object F: TTestForm\n  object A: TTestItem\n    Buddy = Nobody\n  end\nend", 3, 13,
                   "no component named Nobody"},
        TMalformed{"object F: TTestForm\n  object A: TTestItem\n    Buddy = F\n  end\nend", 3, 13,
                   "not a TTestItem"},
        TMalformed{"object F: TTestForm\n  object A: TTestItem\n    OnPing = Pong\n  end\nend", 3, 14,
                   "no handler named Pong"},
        TMalformed{"object F: TTestForm\n  object A: TTestItem\n  end\n  object A: TTestItem\n  end\nend", 4, 10,
                   "a component named A already exists"},
        TMalformed{"object F: TTestForm\n  object A: TTestItem\n    Data = {ABC}\n  end\nend", 3, 12,
                   "odd number of hexadecimal digits"},
        TMalformed{"object F: TTestForm\n  object A: TTestItem\n    Info = 3\n  end\nend", 3, 12,
                   "is a nested object"},
        TMalformed{"object F: TTestForm\n  object A: TTestItem\n    Count = 1\n    Count = 2\n  end\nend", 4, 5,
                   "given twice"},
        TMalformed{"object F: TTestForm\nend\nend", 3, 1, "expected the end of the text"},
        TMalformed{"object F: TTestForm\n  Caption = 99999999999999999999\nend", 2, 13, "number too large"}));

TEST_F(DefinitionTest, HandlerOfTheWrongShapeIsRejected) {
  Handlers().Register("Wrong", std::function<int()>([] { return 1; }));
  EXPECT_THROW(ReadDefinition("object F: TTestForm\n object A: TTestItem\n OnPing = Wrong\n end\nend"), EReadError);
}

TEST_F(DefinitionTest, FailedReadIntoExistingRootKeepsNothingItMade) {
  TTestForm form(nullptr);
  TTestItem kept(&form);
  kept.SetName("Kept");
  EXPECT_THROW(ReadDefinitionInto(form, R"(object Form: TTestForm
  object A: TTestItem
  end
  object B: TTestItem
    Buddy = Missing
  end
end)"),
               EReadError);
  ASSERT_EQ(form.ComponentCount(), 1);
  EXPECT_EQ(form.Components(0), &kept);
  EXPECT_FALSE(form.Loading());
}

TEST_F(DefinitionTest, AuthoringMarksEveryComponentDesigning) {
  auto root = ReadDefinition("object F: TTestForm\n object A: TTestItem\n end\nend", {.authoring = true});
  EXPECT_TRUE(root->Designing());
  EXPECT_TRUE(root->FindComponent("A")->Designing());
}

}  // namespace
}  // namespace vorlan
