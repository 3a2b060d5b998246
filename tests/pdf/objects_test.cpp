// Exact bytes of every object kind, the object manager and the text and number formatters.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <limits>
#include <utility>

#include "pdf/format.h"
#include "pdf/objects.h"

namespace setrix::pdf {
namespace {

std::string Bytes(TPdfObject& obj) {
  std::string out;
  obj.WriteTo(out);
  return out;
}

TEST(PdfObjects, ValueKindsWriteTheirExactBytes) {
  TPdfNull null;
  TPdfBoolean yes(true), no(false);
  TPdfNumber zero, negative(-42), big(2147483647);
  EXPECT_EQ(Bytes(null), "null");
  EXPECT_EQ(Bytes(yes), "true");
  EXPECT_EQ(Bytes(no), "false");
  EXPECT_EQ(Bytes(zero), "0");
  EXPECT_EQ(Bytes(negative), "-42");
  EXPECT_EQ(Bytes(big), "2147483647");

  const struct {
    double value;
    const char* bytes;
  } reals[] = {{0.5, "0.5"},
               {12.0, "12"},
               {-3.25, "-3.25"},
               {0.1, "0.1"},
               {1e-5, "0.00001"},
               {123456789012345.0, "123456789012345"},
               {1.0 / 3, "0.333333333333333"},
               {0.0, "0"},
               {-0.0, "0"},
               {595.2756, "595.2756"}};
  for (const auto& r : reals) {
    TPdfReal real(r.value);
    EXPECT_EQ(Bytes(real), r.bytes) << r.value;
  }

  TPdfText text(std::string("a(b)\\c\r\n") + "\xFC");
  EXPECT_EQ(Bytes(text), "(a\\(b\\)\\\\c\\r\\n\xFC)");
  TPdfName f0("F0"), slash("a/b#c"), blank("A B");
  EXPECT_EQ(Bytes(f0), "/F0");
  EXPECT_EQ(Bytes(slash), "/a#2Fb#23c");
  EXPECT_EQ(Bytes(blank), "/A#20B");
}

TEST(PdfObjects, ArraysWriteItemsEachFollowedByASpace) {
  TPdfArray empty;
  EXPECT_EQ(Bytes(empty), "[]");
  auto box = TPdfArray::FromIntegers(nullptr, {0, 0, 596, 842});
  EXPECT_EQ(Bytes(*box), "[0 0 596 842 ]");
  EXPECT_EQ(box->Count(), 4);
  EXPECT_EQ(dynamic_cast<TPdfNumber*>(box->Item(2))->Value(), 596);
  EXPECT_THROW(box->Item(4), std::out_of_range);

  TPdfArray names;
  names.Add(std::make_unique<TPdfName>("PDF"));
  names.Add(std::make_unique<TPdfName>("Text"));
  EXPECT_EQ(names.LookupName("Text"), names.Item(1));
  EXPECT_EQ(names.LookupName("text"), nullptr);
  EXPECT_FALSE(names.DropName("ImageC"));
  EXPECT_TRUE(names.DropName("PDF"));
  EXPECT_EQ(Bytes(names), "[/Text ]");
}

TEST(PdfObjects, ArrayTakesAnItemItHoldsAlreadyOnlyOnce) {
  // Handing an item back (through the pointer Item gives) must neither list it twice nor
  // give it a second owner; the sanitizer build sees a double free.
  TPdfArray a, b;
  TPdfObject* first = a.Add(std::make_unique<TPdfNumber>(1));
  for (int i = 2; i <= 300; ++i) a.Add(std::make_unique<TPdfNumber>(i));
  a.Add(std::unique_ptr<TPdfObject>(first));
  a.Add(std::unique_ptr<TPdfObject>(a.Item(150)));
  EXPECT_EQ(a.Count(), 300);
  EXPECT_EQ(a.Item(0), first);
  // A new item of another array is an item there, whatever it was before.
  b.Add(std::make_unique<TPdfName>("X"));
  auto* x = b.Add(std::make_unique<TPdfName>("Y"));
  EXPECT_EQ(b.Count(), 2);
  EXPECT_EQ(b.LookupName("Y"), x);
  EXPECT_TRUE(b.DropName("X"));
  b.Add(std::unique_ptr<TPdfObject>(b.Item(0)));
  EXPECT_EQ(Bytes(b), "[/Y ]");
}

TEST(PdfObjects, DictionaryKeepsOrderOfLastPutAndHidesInternalElements) {
  TPdfDictionary empty;
  EXPECT_EQ(Bytes(empty), "<<\r\n>>");

  TPdfDictionary d;
  d.Put("Type", std::make_unique<TPdfName>("Page"));
  d.Put("Count", std::make_unique<TPdfNumber>(1));
  d.PutInternal("_Font", std::make_unique<TPdfName>("Arial"));
  auto* inner = d.Put("Inner", std::make_unique<TPdfDictionary>());
  inner->Put("A", std::make_unique<TPdfBoolean>(true));
  d.Put("Type", std::make_unique<TPdfName>("Pages"));  // moves to the end
  EXPECT_EQ(Bytes(d), "<<\r\n/Count 1\r\n/Inner <<\r\n/A true\r\n>>\r\n/Type /Pages\r\n>>");
  EXPECT_EQ(d.TypeName(), "Pages");
  ASSERT_NE(d.LookupName("_Font"), nullptr);
  EXPECT_EQ(d.LookupName("_Font")->Value(), "Arial");
  EXPECT_EQ(d.Lookup("type"), nullptr);       // keys are case-sensitive
  EXPECT_EQ(d.LookupText("Count"), nullptr);  // another kind
  d.Remove("Missing");
  d.Remove("Inner");
  EXPECT_EQ(d.Count(), 3);
  EXPECT_EQ(d.Element(0).Key(), "Count");
  EXPECT_TRUE(d.Element(1).IsInternal());

  // Re-putting under a key taken from the element that is replaced.
  d.Put(d.Element(0).Key(), std::make_unique<TPdfNumber>(2));
  EXPECT_EQ(d.LookupNumber("Count")->Value(), 2);
}

TEST(PdfObjects, DictionaryElementWithoutValueIsRefused) {
  TPdfDictionary d;
  try {
    d.Put("Key", std::unique_ptr<TPdfObject>());
    FAIL() << "no error";
  } catch (const EPdfInvalidValue& e) {
    EXPECT_STREQ(e.what(), "internal error. wrong object.");
  }
  EXPECT_THROW(TPdfDictionaryElement("Key", nullptr), EPdfInvalidValue);
}

TEST(PdfObjects, IndirectObjectsAreStoredAsReferences) {
  TPdfXref xref;
  for (int i = 1; i < 7; ++i) xref.Register(std::make_unique<TPdfNull>());
  auto* seven = xref.Register(std::make_unique<TPdfNumber>(99));
  EXPECT_EQ(seven->ObjectNumber(), 7);
  EXPECT_EQ(seven->ObjectType(), TPdfObjectType::otIndirectObject);
  EXPECT_EQ(Bytes(*seven), "7 0 R");

  TPdfDictionary d(&xref);
  d.Put("Seven", *seven);
  EXPECT_EQ(Bytes(d), "<<\r\n/Seven 7 0 R\r\n>>");
  EXPECT_EQ(d.Lookup("Seven"), seven);
  TPdfArray a(&xref);
  a.Add(*seven);
  a.Add(*seven);
  EXPECT_EQ(Bytes(a), "[7 0 R 7 0 R ]");
  EXPECT_EQ(a.Item(1), seven);

  // Without an object manager a reference resolves to nothing.
  TPdfDictionary loose;
  loose.Put("Seven", *seven);
  EXPECT_EQ(loose.Lookup("Seven"), nullptr);
  TPdfArray looseArray;
  looseArray.Add(TPdfVirtualObject::CreateVirtual(7));
  EXPECT_EQ(looseArray.Item(0), nullptr);
  EXPECT_EQ(Bytes(looseArray), "[7 0 R ]");

  // A direct object cannot be stored by reference.
  TPdfNumber direct(1);
  EXPECT_THROW(a.Add(direct), EPdfInvalidOperation);
  EXPECT_THROW(d.Put("X", direct), EPdfInvalidOperation);
}

TEST(PdfObjects, StreamDropsFlateDecodeAndCountsItsData) {
  TPdfStream s;
  s.Dict().LookupArray("Filter")->Add(std::make_unique<TPdfName>("FlateDecode"));
  s.Data() = "BT\nET\n";
  EXPECT_EQ(Bytes(s), "<<\r\n/Length 6\r\n/Filter []\r\n>>\r\nstream\r\nBT\nET\n\nendstream");
  EXPECT_EQ(s.Dict().LookupNumber("Length")->Value(), 6);

  TPdfBinary bin;
  bin.Data() = "<00 FF>";
  EXPECT_EQ(Bytes(bin), "<00 FF>");
}

TEST(PdfObjects, StreamWithSharedBytesWritesThemAndCopiesBeforeAChange) {
  const auto bytes = std::make_shared<const std::string>("\x01\x02");
  TPdfStream s;
  s.Data() = "old";
  s.ShareData(bytes);
  EXPECT_EQ(Bytes(s), "<<\r\n/Length 2\r\n/Filter []\r\n>>\r\nstream\r\n\x01\x02\nendstream");
  s.Data() += '\x03';
  EXPECT_EQ(*bytes, "\x01\x02");  // the shared bytes stay as they are
  EXPECT_EQ(std::as_const(s).Data(), "\x01\x02\x03");
}

TEST(PdfObjects, XrefNumbersObjectsInOrderAndWritesThemAtFileLevel) {
  TPdfXref xref;
  EXPECT_EQ(xref.Count(), 1);
  EXPECT_EQ(xref.Entry(0).EntryType(), 'f');
  EXPECT_EQ(xref.Entry(0).GenerationNumber(), 65535);
  EXPECT_EQ(xref.Entry(0).ByteOffset(), -1);
  EXPECT_EQ(xref.ObjectByNumber(0), nullptr);
  EXPECT_EQ(xref.ObjectByNumber(5), nullptr);

  auto* text = xref.Register(std::make_unique<TPdfText>("x"));
  auto* dict = xref.Register(std::make_unique<TPdfDictionary>(&xref));
  EXPECT_EQ(text->ObjectNumber(), 1);
  EXPECT_EQ(dict->ObjectNumber(), 2);
  EXPECT_EQ(xref.ObjectByNumber(2), dict);

  std::string out;
  text->WriteIndirect(out);
  EXPECT_EQ(out, "1 0 obj\r\n(x)\r\nendobj\r\n");

  out.clear();
  xref.Entry(1).SetByteOffset(11);
  xref.WriteTo(out);
  EXPECT_EQ(out, "xref\r\n0 3\r\n0000000000 65535 f\r\n0000000011 00000 n\r\n0000000000 00000 n\r\n");
}

// The table line is written digit by digit; it is what "%010d %05d %c" CR LF gives.
TEST(PdfObjects, XrefLinesAreZeroPaddedAsPrintfPadsThem) {
  const struct {
    char kind;
    int generation, offset;
  } cases[] = {{'f', 65535, 0}, {'n', 0, 11}, {'n', 7, 2147483647}, {'n', 123456, 99}, {'n', -12, -5}};
  for (const auto& c : cases) {
    TPdfXrefEntry entry(c.kind, c.generation, nullptr);
    entry.SetByteOffset(c.offset);
    std::string out;
    entry.WriteTo(out);
    char expected[64];
    std::snprintf(expected, sizeof expected, "%010d %05d %c\r\n", c.offset < 0 ? 0 : c.offset, c.generation,
                  c.kind);
    EXPECT_EQ(out, expected) << c.generation << " " << c.offset;
  }
}

TEST(PdfObjects, MisusedObjectsRaiseTheirMessages) {
  TPdfXref xref;
  auto* registered = xref.Register(std::make_unique<TPdfNull>());
  const struct {
    std::function<void()> call;
    const char* message;
  } cases[] = {
      {[&] { xref.AddObject(TPdfVirtualObject::CreateVirtual(1)); }, "AddObject --wrong object type."},
      {[&] { xref.AddObject(std::unique_ptr<TPdfObject>(registered)); }, "AddObject --wrong object type."},
      {[&] {
         std::string out;
         TPdfNull n;
         n.WriteIndirect(out);
       },
       "internal error wrong object type"},
      {[&] {
         std::string out;
         TPdfVirtualObject::CreateVirtual(3)->WriteIndirect(out);
       },
       "internal error wrong object type"},
  };
  for (const auto& c : cases) {
    try {
      c.call();
      ADD_FAILURE() << "no error for " << c.message;
    } catch (const EPdfInvalidOperation& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
  EXPECT_EQ(xref.ObjectByNumber(1), registered);  // still owned by the manager
}

TEST(PdfFormat, Escapes) {
  EXPECT_EQ(EscapeText("\t\b\f plain \x7F\x01\xB0"), "\\t\\b\\f plain \x7F\x01\xB0");
  EXPECT_EQ(EscapeName("Widths"), "Widths");
  EXPECT_EQ(EscapeName("#%()/<>[]{}"), "#23#25#28#29#2F#3C#3E#5B#5D#7B#7D");
  EXPECT_EQ(EscapeName(std::string("\x00\x1F!~\x7F\xFF", 6)), "#00#1F!~#7F#FF");
  EXPECT_EQ(HexBytes("en"), "656E");
  EXPECT_EQ(HexBytes(std::string("\x00\xAB", 2)), "00AB");
  EXPECT_EQ(LanguagePrefix(), "FEFF001B656E001B");
  EXPECT_EQ(UnicodeHex("A\x80\xFC"), "004120AC00FC");
  EXPECT_FALSE(IsMultiByte("\x81\x40\xFC"));
  EXPECT_EQ(CharCount("Gr\xFC\xDF"), 4);
}

TEST(PdfFormat, FormatRealRoundsHalvesUpToTwoDecimals) {
  const struct {
    long double value;
    const char* text;
  } cases[] = {
      {794.4L, "794.4"},     {12, "12"},        {0.85L * 11, "9.35"},  {1.0L / 3, "0.33"},
      {0.005f, "0"},         {0.125L, "0.13"},  {-3.5L, "-3.5"},       {0, "0"},
      {595.2756L, "595.28"}, {10.2L, "10.2"},   {10.2f, "10.2"},       {-0.125L, "-0.12"},
      {-0.004L, "0"},        {0.5L / 255, "0"}, {128.0L / 255, "0.5"}, {491.2f, "491.2"},
      {1e6L, "1000000"},     {-0.5L, "-0.5"},   {0.999L, "1"},         {-1234.567L, "-1234.57"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatReal(c.value), c.text) << static_cast<double>(c.value);
}

TEST(PdfFormat, AppendRealWritesFormatRealsTextAfterWhatIsThere) {
  // Includes the whole-number path beyond 1e16 and its cut at kRealChars - 1 characters.
  for (const long double v : {794.4L, -0.004L, -1234.567L, 1e17L, -3e20L, 1e300L, 1e4000L,
                              std::numeric_limits<long double>::quiet_NaN()}) {
    std::string out = "1 ";
    AppendReal(out, v);
    EXPECT_EQ(out, "1 " + FormatReal(v)) << static_cast<double>(v);
    EXPECT_LE(FormatReal(v).size(), kRealChars - 1);
  }
  EXPECT_EQ(FormatReal(-3e20L), "-300000000000000000000");
}

TEST(PdfFormat, PdfDate) {
  EXPECT_EQ(FormatPdfDate({2001, 11, 1, 0, 21, 42}), "D:20011101002142");
  EXPECT_EQ(FormatPdfDate({1999, 12, 31, 23, 59, 59}), "D:19991231235959");
}

TEST(PdfFormat, Utf8ToWinAnsiReplacesWhatTheCodePageCannotHold) {
  EXPECT_EQ(Utf8ToWinAnsi("Gr\u00fc\u00dfe 20 \u00b0C \u20ac"),
            "Gr\xFC\xDF"
            "e 20 \xB0"
            "C \x80");
  EXPECT_EQ(Utf8ToWinAnsi("\u0160\u2013\u2122\u0178"), "\x8A\x96\x99\x9F");
  EXPECT_EQ(Utf8ToWinAnsi("\u03a9 \U0001F600 \u0081"), "? ? ?");
  EXPECT_EQ(Utf8ToWinAnsi("a\xC3"), "a?");                    // cut sequence
  EXPECT_EQ(Utf8ToWinAnsi("\xC0\xAF\xED\xA0\x80"), "?????");  // overlong, surrogate
  for (int b = 0; b < 256; ++b) {
    const char32_t u = WinAnsiToUnicode(static_cast<unsigned char>(b));
    if (u >= 0x80 && u < 0xA0) continue;  // the five undefined bytes
    std::string utf8;
    if (u < 0x80) {
      utf8 += static_cast<char>(u);
    } else if (u < 0x800) {
      utf8 += static_cast<char>(0xC0 | (u >> 6));
      utf8 += static_cast<char>(0x80 | (u & 0x3F));
    } else {
      utf8 += static_cast<char>(0xE0 | (u >> 12));
      utf8 += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (u & 0x3F));
    }
    EXPECT_EQ(Utf8ToWinAnsi(utf8), std::string(1, static_cast<char>(b))) << b;
  }
}

}  // namespace
}  // namespace setrix::pdf
