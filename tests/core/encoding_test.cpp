// The encodings are types: what the compiler refuses, and the conversions it leaves.
#include <gtest/gtest.h>

#include <string>
#include <type_traits>

#include "core/testutil.h"
#include "framework/uitext.h"
#include "model/texts.h"

namespace {

template <class T>
concept ShownAsSjis = requires(const T& t) {
    UiText::FromSjis(t);
};
template <class T>
concept ShownAsPath = requires(const T& t) {
    UiText::Path(t);
};

// A plain std::string is neither a text to show nor a path until its caller names it; a text
// is not taken for a path, nor a path for Shift-JIS.
static_assert(!std::is_constructible_v<UiText, std::string>);
static_assert(!std::is_constructible_v<UiText, Utf8Path>);
static_assert(std::is_convertible_v<Sjis, UiText>);
static_assert(!std::is_convertible_v<std::string, Sjis> &&
              !std::is_convertible_v<std::string, Utf8Path>);
static_assert(!std::is_convertible_v<Sjis, Utf8Path> && !std::is_convertible_v<Utf8Path, Sjis>);
static_assert(ShownAsSjis<std::string> && !ShownAsSjis<Utf8Path>);
static_assert(ShownAsPath<std::string> && ShownAsPath<Utf8Path> && !ShownAsPath<Sjis>);

TEST(Encoding, EachKindIsShownInItsOwnEncoding) {
    EXPECT_EQ(UiText(texts::kTreeRoot).Utf8(), "勤怠管理");
    EXPECT_EQ(UiText::FromSjis(S("山田 太郎")).Utf8(), "山田 太郎");
    EXPECT_EQ(UiText::Path("café😀.vpx").Utf8(), "café😀.vpx");
    // A path's own "%1" is not a placeholder.
    EXPECT_EQ(UiText::Format(texts::kFileErrNotFound, UiText::Path("/b/%1%2")).Utf8(),
              "/b/%1%2 が見つかりませんでした。");
}

// The texts that were printf formats give the bytes they gave.
TEST(Encoding, FormatsGiveThePrintfBytes) {
    using texts::Format;
    const struct {
        std::string got, want;
    } cases[] = {
        {Format(texts::kMonthItemFormat, {"12"}), S("12 月")},
        {Format(texts::kDateLineFormat, {"2026", "12", "5", S("土")}),
         S("2026 年 12 月 5 日  ( 土曜日 )")},
        {Format(texts::kExportTitleFormat, {"2027", "2"}),
         S("2027年度 2月 のデータを出力します。")},
        {Format(texts::kExportCount, {"0"}), S("0件のデータを出力しました。")},
        {Format(texts::kSheetMonthLine, {"2026", "4"}), S("年月 2026年 4月分")},
        // An argument holding a placeholder is put in as it is.
        {Format(texts::kSheetEmployeeLine, {"%2", "%s"}), S("社員№：%2    氏名：%s     (印)")},
        {Format("%1%3%", {"a", "b"}), "a%3%"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.want);
}

}  // namespace
