"""The question before the stored indicators are erased and fetched again, answered No and Yes.
Runs last: Yes empties the indicator store and the auto-trade rules."""
import time

IDYES, IDNO = 6, 7
ERASE_QUESTION = "保持している指標データを一度削除し取得し直します。"


def erase_question(r):
    def answer(button):
        r.command("ID_RESET_INDICATORS")
        asked = r.wait_for(lambda: any(ERASE_QUESTION in w
                                       for w in r.probe("windows").get("window", [])), 15)
        r.screenshot("erase-question")
        r.probe("answer", ERASE_QUESTION, str(button))
        return asked

    ruled_name = "E2E確認指標".encode("cp932")
    rules_before = r.setting_bytes("iaacm.dat")
    asked = answer(IDNO)
    time.sleep(2)
    r.check("the erase command asks first", asked)
    r.check("answering No keeps the indicators and rules",
            ruled_name in r.setting_bytes("iaindex2.dat") and
            r.setting_bytes("iaacm.dat") == rules_before)
    answer(IDYES)
    emptied = r.wait_for(lambda: r.setting_bytes("iaacm.dat") == b"", 15)
    r.check("answering Yes empties the auto-trade rules", emptied, r.setting_bytes("iaacm.dat"))
    sample_name = "米・失業率".encode("cp932")
    refetched = r.wait_for(lambda: (sample_name in r.setting_bytes("iaindex2.dat") and
                                    ruled_name not in r.setting_bytes("iaindex2.dat")), 60)
    r.check("answering Yes drops the stored indicators and fetches the feed again", refetched,
            r.setting_bytes("iaindex2.dat")[:200])


def run(r):
    erase_question(r)
