#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <stdexcept>

#include "Bits.h"
#include "OtherThread.h"
#include "Raises.h"
#include "guirt/ClassRecord.h"
#include "guirt/Exceptions.h"
#include "guirt/Label.h"
#include "guirt/PopupMenu.h"
#include "guirt/Runtime.h"
#include "guirt/TextField.h"
#include "guirt/Variant.h"
#include "guirt/Window.h"

using namespace guirt;
using guirt::testing::ExpectRaises;

TEST(References, CountsReturnToTheirStart) {
    Ref<Variant> v = DoubleToVariant(1.5);
    EXPECT_EQ(v->RefCount(), 1);
    {
        Ref<Variant> copy = v;
        Ref<Object> base = v;
        EXPECT_EQ(v->RefCount(), 3);
        Ref<Variant> moved = std::move(copy);
        EXPECT_EQ(v->RefCount(), 3);
    }
    EXPECT_EQ(v->RefCount(), 1);
}

TEST(References, WeakReferenceSeesTheObjectGo) {
    Ref<Variant> v = DoubleToVariant(2.0);
    WeakRef<Variant> weak(v);
    EXPECT_EQ(weak.Lock(), v);
    EXPECT_EQ(v->RefCount(), 1);
    v.reset();
    EXPECT_FALSE(weak.Lock());
}

TEST(References, NilDereferenceRaisesNilObjectException) {
    Ref<Label> none;
    ExpectRaises<NilObjectException>([&] { none->SetTextAlign(2); });
}

TEST(Strings, LiteralIsTheFiveWordRecord) {
    Ref<String> s = Lit<"Dravello">();
    const auto* words = reinterpret_cast<const std::uint64_t*>(s.get());
    EXPECT_EQ(words[0], 2u);  // the literal's own count of 1, plus this reference
    const auto* pascal = reinterpret_cast<const unsigned char*>(words[1]);
    EXPECT_EQ(pascal[0], 8);
    EXPECT_EQ(std::memcmp(pascal + 1, "Dravello", 9), 0);  // text and its zero byte
    EXPECT_EQ(words[2], 0u);
    EXPECT_EQ(words[3], 8u | (std::uint64_t{0x08000100} << 32));
    EXPECT_EQ(words[4], 0u);
    EXPECT_EQ(Lit<"Dravello">().get(), s.get());
    s.reset();
    EXPECT_EQ(Lit<"Dravello">()->RefCount(), 2);
}

TEST(Strings, HoldAnyByteAndNilIsEmpty) {
    Ref<String> bytes = String::FromBytes(std::string_view("a\0\xff", 3));
    EXPECT_EQ(bytes->Length(), 3u);
    EXPECT_EQ(bytes->View()[2], '\xff');
    EXPECT_EQ(bytes->Encoding(), kEncodingUTF8);
    Ref<String> nil;
    EXPECT_TRUE(StringsEqual(nil, String::FromBytes("")));
    EXPECT_TRUE(nil == "");
}

TEST(Strings, ConcatenationMakesANewString) {
    Ref<String> a = Lit<"Voltage drop = ">();
    Ref<String> joined = RuntimeAddString(a, String::FromBytes("1.795"));
    EXPECT_EQ(TextOf(joined), "Voltage drop = 1.795");
    EXPECT_EQ(joined->RefCount(), 1);
    EXPECT_EQ(TextOf(RuntimeAddString(nullptr, nullptr)), "");
    EXPECT_EQ(a->RefCount(), 2);
}

TEST(ClassRecords, AreBuiltOnceAndChainToTheirBase) {
    const ClassRecord& field = TextField::Record();
    EXPECT_EQ(&field, &TextField::Record());
    EXPECT_EQ(field.Base(), &TextEdit::Record());
    EXPECT_EQ(TextEdit::Record().Base(), &RectControl::Record());
    EXPECT_TRUE(field.IsA(Control::Record()));
    EXPECT_FALSE(Label::Record().IsA(TextEdit::Record()));
    RuntimePerformInitializers();
    EXPECT_EQ(&field, &TextField::Record());
}

TEST(ClassRecords, NumberEventsPerClass) {
    EXPECT_EQ(Control::Record().EventNumber("Close"), 0);
    EXPECT_EQ(Control::Record().EventNumber("CreatePane"), 1);
    EXPECT_EQ(PopupMenu::Record().EventNumber("Open"), 2);
    EXPECT_EQ(RectControl::Record().EventNumber("ConstructContextualMenu"), 3);
    EXPECT_EQ(TextField::Record().EventNumber("KeyDown"), 9);
    EXPECT_EQ(TextField::Record().EventNumber("KeyUp"), 10);
    EXPECT_EQ(RectControl::Record().EventNumber("MouseWheel"), 14);
    EXPECT_EQ(PopupMenu::Record().EventNumber("Change"), 15);
    EXPECT_EQ(TextField::Record().EventNumber("EnableMenuItems"), 15);
    EXPECT_EQ(TextField::Record().EventNumber("TextChange"), 21);
    EXPECT_EQ(TextField::Record().EventNumber("ValidationError"), 22);
    EXPECT_EQ(TextField::Record().EventCount(), 23);
    EXPECT_EQ(Label::Record().EventNumber("Change"), -1);
}

TEST(ClassRecords, DeclarePropertiesWithTheirTypes) {
    struct Expect {
        const ClassRecord& cls;
        std::string_view name;
        TypeCode type;
    };
    for (const Expect& e :
         {Expect{Window::Record(), "MacProcID", TypeCode::i8}, Expect{Window::Record(), "Title", TypeCode::s},
          Expect{Window::Record(), "BackColor", TypeCode::c}, Expect{Label::Record(), "Multiline", TypeCode::b},
          Expect{Label::Record(), "TextSize", TypeCode::f4}, Expect{Label::Record(), "TextUnit", TypeCode::FontUnits},
          Expect{TextField::Record(), "Index", TypeCode::i8}, Expect{PopupMenu::Record(), "ListIndex", TypeCode::i8}}) {
        const PropertyRecord* p = e.cls.FindProperty(e.name);
        ASSERT_NE(p, nullptr) << e.name;
        EXPECT_EQ(p->type, e.type) << e.name;
    }
    EXPECT_EQ(Label::Record().FindProperty("TabStop"), nullptr);
    EXPECT_EQ(TextField::Record().FindProperty("ListIndex"), nullptr);
}

namespace {
class Widget : public Object {
public:
    static const ClassRecord& Record() {
        static const ClassRecord& record = [] {
            ClassRecord& c = RuntimeNewClass("Widget", &Object::Record(), FactoryOf<Widget>);
            RuntimeNewVtable(c, {{"Constructor", "%%", "", Procedure{[](Object&) {}}},
                                 {"Paint", "%%", "", Procedure{[](Object&) {}}}});
            return std::ref(c);
        }();
        return record;
    }
    int painted = 0;
};
class Gadget : public Widget {
public:
    static const ClassRecord& Record() {
        static const ClassRecord& record = [] {
            ClassRecord& c = RuntimeNewClass("Gadget", &Widget::Record(), FactoryOf<Gadget>);
            RuntimeNewVtable(
                c, {{"Refresh", "%%", "Hidden", Procedure{[](Object&) {}}},
                    {"Paint", "%%", "", Procedure{[](Object& self) { ++static_cast<Gadget&>(self).painted; }}}});
            return std::ref(c);
        }();
        return record;
    }
};
}  // namespace

TEST(ClassRecords, OverridesKeepTheirSlotAndNewMethodsFollow) {
    const auto& methods = Gadget::Record().Methods();
    ASSERT_EQ(methods.size(), 3u);
    EXPECT_EQ(methods[0].name, "Constructor");
    EXPECT_EQ(methods[1].name, "Paint");
    EXPECT_EQ(methods[2].name, "Refresh");
    EXPECT_EQ(methods[2].attributes, "Hidden");
    Ref<Gadget> g = New<Gadget>();
    CallMethod<Procedure>(*g, "Paint");
    EXPECT_EQ(g->painted, 1);
    ExpectRaises<RuntimeException>([&] { CallMethod<ObjectFunction>(*g, "Paint"); });
    ExpectRaises<RuntimeException>([&] { CallMethod<Procedure>(*g, "Missing"); });
}

TEST(ClassRecords, CheckCastPassesNilAndRefusesOtherClasses) {
    EXPECT_FALSE(RuntimeCheckCast(nullptr, Label::Record()));
    Ref<Object> label = RuntimeNewObject(Label::Record());
    EXPECT_EQ(RuntimeCheckCast(label, RectControl::Record()), label);
    std::string message = ExpectRaises<IllegalCastException>([&] { CheckCast<TextField>(label); });
    EXPECT_NE(message.find("Label"), std::string::npos);
    EXPECT_NE(message.find("TextField"), std::string::npos);
    EXPECT_EQ(label->RefCount(), 1);
    ExpectRaises<RuntimeException>([] { RuntimeNewObject(Control::Record()); });
}

TEST(Exceptions, ParkInThePendingSlotUntilTakenAndTheFirstOneWins) {
    auto park = [](auto&& raise) {
        try {
            raise();
        } catch (...) {
            ParkCurrentException();
        }
    };
    park([] { Raise<OutOfBoundsException>("row 7"); });
    park([] { Raise<NilObjectException>("later"); });  // released: the first is reported
    ASSERT_TRUE(gCurrentException);
    EXPECT_TRUE(gCurrentException->IsA(OutOfBoundsException::Record()));
    Ref<RuntimeException> taken = RuntimeTakeException();
    EXPECT_FALSE(gCurrentException);
    EXPECT_EQ(TextOf(taken->Message()), "row 7");
    EXPECT_EQ(taken->RefCount(), 1);

    // Whatever C++ throws becomes the runtime's own exception, never nothing.
    park([] { throw std::runtime_error("native trouble"); });
    taken = RuntimeTakeException();
    EXPECT_EQ(&taken->Class(), &RuntimeException::Record());
    EXPECT_NE(TextOf(taken->Message()).find("native trouble"), std::string_view::npos);
    park([] { throw std::bad_alloc(); });
    taken = RuntimeTakeException();
    ASSERT_TRUE(taken);
    EXPECT_TRUE(taken->IsA(OutOfMemoryException::Record()));
    park([] { throw 42; });
    EXPECT_TRUE(RuntimeTakeException());
}

TEST(Variants, HoldTheMaterialResistivitiesBitForBit) {
    for (std::uint64_t bits : {0x3F91EB851EB851ECull, 0x3F9CAC083126E979ull, 0x3F978D4FDF3B645Aull,
                               0x3F90624DD2F1A9FCull, 0x3FB916872B020C4Aull, 0x3FCC49BA5E353F7Dull}) {
        double value = DoubleWithBits(bits);
        Ref<Variant> tag = DoubleToVariant(value);
        EXPECT_EQ(BitsOf(VariantToDouble(tag)), bits);
        Ref<Variant> reread = New<Variant>();
        reread->Set(VariantToString(tag));
        EXPECT_EQ(BitsOf(VariantToDouble(reread)), bits);
    }
    EXPECT_EQ(VariantToDouble(nullptr), 0.0);
    EXPECT_FALSE(VariantToString(nullptr));
}

TEST(Threads, ControlsRefuseOtherThreads) {
    Ref<TextField> field = New<TextField>();
    std::string message;
    ON_ANOTHER_THREAD([&] {
        message = ExpectRaises<ThreadAccessingUIException>([&] { field->SetText(Lit<"1">()); });
        ExpectRaises<ThreadAccessingUIException>([&] { (void)field->Left(); });
    });
    EXPECT_NE(message.find("thread"), std::string::npos);
    EXPECT_EQ(field->Text(), "");
}
