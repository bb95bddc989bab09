#include "export/dxf_writer.h"

#include <gtest/gtest.h>

#include "app/number_text.h"

namespace bravik {
namespace {

TEST(FormatDxfNumber, FourDecimalsPointAndSignColumn) {
    const struct {
        double v;
        const char* text;
    } cases[] = {
        {1.5, " 1.5000 "},       {-0.25, "-0.2500 "},       {12, " 12.0000 "},
        {0, " 0.0000 "},         {0.00004, " 0.0000 "},     {-0.00001, "-0.0000 "},
        {123.45678, " 123.4568 "}, {-123.45678, "-123.4568 "}, {0.00005, " 0.0001 "},
        {-0.0, " 0.0000 "},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatDxfNumber(c.v), c.text) << c.v;
}

std::string Lines(std::initializer_list<const char*> lines) {
    std::string s;
    for (const char* l : lines) s += std::string(l) + "\r\n";
    return s;
}

TEST(DxfWriter, WritesEachPrimitiveWithItsExactGroupCodeLines) {
    TextFileWriter out;
    DxfWriter dxf(out);
    dxf.WriteComment("2D lines of Hull");
    dxf.BeginEntities();
    dxf.BeginPolyline(1, 7);
    dxf.WriteVertex(1, 7, 1.5, -0.25, 0);
    dxf.EndPolyline();
    dxf.BeginPolyline(13, 12);
    dxf.EndPolyline();
    dxf.EndSection();
    dxf.EndFile();
    EXPECT_EQ(out.Bytes(), Lines({"999", "2D lines of Hull", "  0", "SECTION", "  2", "ENTITIES",
                                  "  0", "POLYLINE", "  8", "1", " 62", "     7", " 66", "      1", "  6",
                                  "CONTINUOUS", " 70", "      8",
                                  "  0", "VERTEX", "  8", "1", " 70", "     32", " 10", " 1.5000 ", " 20",
                                  "-0.2500 ", " 30", " 0.0000 ",
                                  " 0 ", "SEQEND",
                                  "  0", "POLYLINE", "  8", "13", " 62", "     12", " 66", "      1", "  6",
                                  "CONTINUOUS", " 70", "      8",
                                  " 0 ", "SEQEND",
                                  "  0", "ENDSEC", "  0", "EOF"}));
}

TEST(DxfWriter, CommentStaysOnOneLine) {
    TextFileWriter out;
    DxfWriter dxf(out);
    dxf.WriteComment("2D lines of two\r\nlines");
    EXPECT_EQ(out.Bytes(), Lines({"999", "2D lines of two  lines"}));
}

TEST(DxfWriter, SameBytesUnderACommaLocale) {
    auto write = [] {
        TextFileWriter out;
        DxfWriter dxf(out);
        dxf.BeginEntities();
        dxf.BeginPolyline(2, 5);
        dxf.WriteVertex(2, 5, 3.14159, -2.71828, 0.5);
        dxf.EndPolyline();
        dxf.EndSection();
        dxf.EndFile();
        return out.Bytes();
    };
    const std::string point = write();
    SetLocaleDecimalSeparator(',');
    const std::string comma = write();
    SetLocaleDecimalSeparator('.');
    EXPECT_EQ(comma, point);
    EXPECT_NE(point.find(" 3.1416 \r\n"), std::string::npos);
}

}  // namespace
}  // namespace bravik
