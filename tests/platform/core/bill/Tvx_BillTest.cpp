// The bill's feed: the order of the calls an output receives, the entry being
// fed, and a failing output stopping the feed.
#include "platform/core/bill/Tvx_Bill.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/core/bill/Tvx_ListOutputCallback.h"

namespace {

// An output that writes down each call as a line, and fails the call named
// failOn.
class TranscriptOutput : public Tvx_ListOutputCallback {
  public:
    TranscriptOutput(const Tvx_Bill& bill, std::string failOn = "")
        : bill_(bill), failOn_(std::move(failOn)) {}

    ErrorStatus onStartFeed() override { return note("start"); }
    ErrorStatus onEndFeed() override { return note("end"); }
    ErrorStatus onNewPage() override { return note("page"); }
    ErrorStatus onAddRow(const Tvx_StringArray& values) override {
        return note("row " + values[0].toUtf8() + " @" + std::to_string(bill_.currentEntry()));
    }
    ErrorStatus onAddSubTotals(const Tvx_StringArray& values, const Tvx_IntArray& summed,
                               bool grandTotal, int rowCount) override {
        return note("subtotals " + values[1].toUtf8() + " columns " +
                    std::to_string(summed.length()) + (grandTotal ? " grand" : " part") + " of " +
                    std::to_string(rowCount));
    }
    ErrorStatus onAddSeperation() override { return note("separation"); }

    std::vector<std::string> lines;

  private:
    ErrorStatus note(const std::string& line) {
        lines.push_back(line);
        return line.rfind(failOn_, 0) == 0 && !failOn_.empty() ? eInvalidInput : eOk;
    }
    const Tvx_Bill& bill_;
    std::string failOn_;
};

Tvx_Bill sampleBill() {
    Tvx_Bill bill;
    bill.addRow({L"P1", L"2"});
    bill.addRow({L"P2", L"3"});
    bill.addSeparation();
    bill.addSubTotals({L"", L"5"}, {1}, false, 2);
    bill.addNewPage();
    bill.addRow({L"P3", L"1"});
    return bill;
}

TEST(Tvx_BillTest, FeedHandsEveryEntryInOrderBetweenStartAndEnd) {
    Tvx_Bill bill = sampleBill();
    TranscriptOutput output(bill);
    EXPECT_EQ(bill.feed(output), eOk);
    const std::vector<std::string> expected = {
        "start", "row P1 @0", "row P2 @1", "separation", "subtotals 5 columns 1 part of 2",
        "page",  "row P3 @5", "end"};
    EXPECT_EQ(output.lines, expected);
    EXPECT_EQ(bill.currentEntry(), -1) << "outside a feed no entry is current";
}

TEST(Tvx_BillTest, AFailingCallStopsTheFeedWithItsStatus) {
    struct Case {
        const char* failOn;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"start", {"start"}},
        {"row P2", {"start", "row P1 @0", "row P2 @1"}},
        {"end",
         {"start", "row P1 @0", "row P2 @1", "separation", "subtotals 5 columns 1 part of 2",
          "page", "row P3 @5", "end"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.failOn);
        Tvx_Bill bill = sampleBill();
        TranscriptOutput output(bill, c.failOn);
        EXPECT_EQ(bill.feed(output), eInvalidInput);
        EXPECT_EQ(output.lines, c.lines);
        EXPECT_EQ(bill.currentEntry(), -1);
    }
}

TEST(Tvx_BillTest, AnOutputThatOverridesNothingAcceptsTheWholeBill) {
    Tvx_Bill bill = sampleBill();
    Tvx_ListOutputCallback silent;
    EXPECT_EQ(bill.feed(silent), eOk);
}

TEST(Tvx_BillTest, EntriesAreReadBackAndOutOfRangeGivesNone) {
    Tvx_Bill bill = sampleBill();
    ASSERT_EQ(bill.entryCount(), 6);
    ASSERT_NE(bill.entry(3), nullptr);
    EXPECT_EQ(bill.entry(3)->kind, Tvx_Bill::EntryKind::SubTotals);
    EXPECT_EQ(bill.entry(3)->rowCount, 2);
    EXPECT_EQ(bill.entry(-1), nullptr);
    EXPECT_EQ(bill.entry(6), nullptr);
}

}  // namespace
