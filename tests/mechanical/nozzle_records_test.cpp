// Nozzle records: the nozzle table lists, the dome records and the per-side summary with
// its separate-outlet flags.
#include "mechanical/nozzle_records.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace qalt2morv::mechanical {
namespace {

TEST(NozzleRecords, TableListsStopAtLastNonzeroEntryOfUsedSlots) {
  auto s = std::make_unique<ConversionState>();
  const float angles[] = {0, 180, 0, 180, 0};
  for (int i = 0; i < 5; ++i) {
    s->nozzles[static_cast<std::size_t>(i)] =
        NozzleSlot{i < 3 ? 1.0f : 2.0f, 0.0f, 5.0f, angles[i]};
  }
  // A stray value past the used slots is not part of the table.
  s->nozzles[6].diameter = 8.0f;
  KeywordWriter out;
  write_nozzle_table(*s, out);
  EXPECT_EQ(out.text(),
            "NozFunctionA-O,0,5\n1.000000, \n1.000000, \n1.000000, \n2.000000, \n2.000000, \n"
            "NozLocA-O,0,5\n5.000000, \n5.000000, \n5.000000, \n5.000000, \n5.000000, \n"
            "NozOriAngA-O,0,4\n , \n180.000000, \n , \n180.000000, \n");
}

TEST(NozzleRecords, EmptyTableWritesNothing) {
  auto s = std::make_unique<ConversionState>();
  s->nozzles[3].location = 2.0f;  // no function: the slot is not used
  KeywordWriter out;
  write_nozzle_table(*s, out);
  write_domes(*s, out);
  EXPECT_EQ(out.text(), "");
}

TEST(NozzleRecords, OneDomeWritesSlotAScalarsOnly) {
  auto s = std::make_unique<ConversionState>();
  s->domes[0] = DomeSlot{4.0f, 1.0f, 1.0f, 42.0f, 3.0f, 12.0f};
  KeywordWriter out;
  write_domes(*s, out);
  EXPECT_EQ(out.text(),
            "NozDomType,0,1\n4.000000, \n"
            "NozDomCylMtlA,1.000000,0\n"
            "NozDomMtlA,1.000000,0\n"
            "NozDomDia,0,1\n42.000000, \n"
            "NozDomLoc,0,1\n3.000000, \n"
            "DistBeltCylWidth,0,1\n12.000000, \n");
}

TEST(NozzleRecords, ThreeDomesInSlotOrder) {
  auto s = std::make_unique<ConversionState>();
  s->domes[0] = DomeSlot{4.0f, 1.0f, 1.0f, 40.0f, 3.0f, 12.0f};
  s->domes[1] = DomeSlot{4.0f, 1.0f, 1.0f, 40.0f, 7.0f, 12.0f};
  s->domes[2] = DomeSlot{4.0f, 1.0f, 1.0f, 44.0f, 5.0f, 14.0f};
  KeywordWriter out;
  write_domes(*s, out);
  EXPECT_EQ(out.text(),
            "NozDomType,0,3\n4.000000, \n4.000000, \n4.000000, \n"
            "NozDomCylMtlA,1.000000,0\nNozDomCylMtlB,1.000000,0\nNozDomCylMtlC,1.000000,0\n"
            "NozDomMtlA,1.000000,0\nNozDomMtlB,1.000000,0\nNozDomMtlC,1.000000,0\n"
            "NozDomDia,0,3\n40.000000, \n40.000000, \n44.000000, \n"
            "NozDomLoc,0,3\n3.000000, \n7.000000, \n5.000000, \n"
            "DistBeltCylWidth,0,3\n12.000000, \n12.000000, \n14.000000, \n");
}

struct SummaryCase {
  const char* name;
  void (*setup)(ConversionState&);
  const char* expected;
};

void PrintTo(const SummaryCase& c, std::ostream* os) { *os << c.name; }

class NozzleRecordsSummary : public ::testing::TestWithParam<SummaryCase> {};

TEST_P(NozzleRecordsSummary, WritesSizesOrientationsAndFlags) {
  auto s = std::make_unique<ConversionState>();
  GetParam().setup(*s);
  KeywordWriter out;
  write_nozzle_summary(*s, out);
  EXPECT_EQ(out.text(), GetParam().expected);
}

const SummaryCase kSummaryCases[] = {
    {"NothingGivenWritesNothing", [](ConversionState&) {}, ""},
    {"ShellSeparateOutletOnHotShell",
     [](ConversionState& s) {
       s.hot_side_code = 1;
       s.shells_in_series = 1;
       s.shell_inlet_nozzle_nps = 8;
       s.shell_outlet_nozzle_nps = 10;
       s.shell_split_outlet_nps = 6;
     },
     "NozSepLVOutHS,1.000000,0\nNozNomDiamSS,0,3\n8.000000, \n6.000000, \n10.000000, \n"},
    {"ShellSeparateOutletIgnoredForShellsInSeries",
     [](ConversionState& s) {
       s.hot_side_code = 1;
       s.shells_in_series = 2;
       s.shell_inlet_nozzle_nps = 8;
       s.shell_outlet_nozzle_nps = 10;
       s.shell_split_outlet_nps = 6;
     },
     "NozNomDiamSS,0,2\n8.000000, \n10.000000, \n"},
    {"TubeSeparateOutletOnColdStream",
     [](ConversionState& s) {
       s.hot_side_code = 1;
       s.shells_in_series = 1;
       s.tube_inlet_nozzle_nps = 4;
       s.tube_outlet_nozzle_nps = 6;
       s.tube_split_outlet_nps = 3;
     },
     "NozSepLVOutCS,1.000000,0\nNozNomDiamTS,0,3\n4.000000, \n3.000000, \n6.000000, \n"},
    {"BothSidesSeparateHotInTubes",
     [](ConversionState& s) {
       s.hot_side_code = 2;
       s.shells_in_series = 1;
       s.shell_inlet_nozzle_nps = 8;
       s.shell_split_outlet_nps = 6;
       s.tube_inlet_nozzle_nps = 4;
       s.tube_split_outlet_nps = 3;
       s.shell_nozzle_orientations = {1, 3};
     },
     "NozSepLVOutCS,1.000000,0\nNozNomDiamSS,0,2\n8.000000, \n6.000000, \n"
     "NozOrientationSS,0,2\n1.000000, \n3.000000, \n"
     "NozSepLVOutHS,1.000000,0\nNozNomDiamTS,0,2\n4.000000, \n3.000000, \n"},
    {"HotSideAbsentFlagsBothSidesAsCold",
     [](ConversionState& s) {
       s.shells_in_series = 1;
       s.shell_split_outlet_nps = 6;
       s.tube_split_outlet_nps = 3;
     },
     "NozSepLVOutCS,1.000000,0\nNozNomDiamSS,0,2\n , \n6.000000, \n"
     "NozSepLVOutCS,1.000000,0\nNozNomDiamTS,0,2\n , \n3.000000, \n"},
    {"AxialTubeNozzlesWithoutCodesReportedAxial",
     [](ConversionState& s) { s.axial_nozzle_flag = 1; },
     "NozOrientationTS,0,2\n5.000000, \n5.000000, \n"},
    {"AxialDefaultKeepsGivenCode",
     [](ConversionState& s) {
       s.axial_nozzle_flag = 1;
       s.tube_nozzle_orientations = {3, 0};
     },
     "NozOrientationTS,0,2\n3.000000, \n5.000000, \n"},
    {"RadialTubeNozzlesWithoutCodesWriteNoOrientation",
     [](ConversionState& s) {
       s.tube_nozzle_orientations = {0, 0};
     },
     ""},
};

INSTANTIATE_TEST_SUITE_P(NozzleRecordsSides, NozzleRecordsSummary,
                         ::testing::ValuesIn(kSummaryCases),
                         [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace qalt2morv::mechanical
