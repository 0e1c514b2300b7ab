#include "views/notice_sheet.h"

#include "base/local_time.h"
#include "base/byte_text.h"

void NoticeSheet::Layout(int originX, int originY) {
    auto place = [&](int x, int y, int width, int height) {
        return ViewRect::At(originX + x, originY + y, width, height);
    };
    // The panel places its views again at every page switch; the shown notice stays.
    heading_ = place(10, 10, 220, 24);
    title_ = place(10, 30, 220, 24);
    dateLine_ = place(10, 54, 220, 18);
    body_ = place(10, 70, 220, 150);
}

NoticePicture NoticeSheet::Show(NewsStore& notices) const {
    NoticePicture picture;
    picture.heading = {heading_, "お知らせ", FONT_HEADING, TEXT_COLOUR, TextAlign::Near};
    const iaNews* notice = notices.ItemFromNewest(current_);
    if (!notice) return picture;
    picture.title = TextBox{title_, notice->title, FONT_HEADING, TEXT_COLOUR, TextAlign::Near};
    LocalTime local = ToLocalTime(notice->when);
    picture.dateLine =
        TextBox{dateLine_,
                FormatText("%d/%02d/%02d %02d：%02d：%02d　%d件目(%d件中)", local.year, local.month,
                           local.day, local.hour, local.minute, local.second, current_ + 1,
                           notices.Count()),
                FONT_DATE, DATE_COLOUR, TextAlign::Near};
    if (notice->unread) notices.MarkRead(current_);
    return picture;
}
