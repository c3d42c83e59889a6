#!/usr/bin/env python3
"""Makes the sample installation of the system, everything generated here:

  <base>/ExePro/            VexlorPro, VexlorEXP and Ocumo (copies of the built programs)
  <base>/vovu030/Vovu       the stand-in board program, when it is built
  <base>/空港db.csv         airports (real positions in the simulator's units)
  <base>/会社db.csv         airlines
  <base>/VexlorPro.cfg      the first values of the main settings (the rest are defaults)
  <base>/Wav/...            voices spoken by espeak-ng, effects made with sox
  <base>/atc/...            radio chatter (English, band-limited)
  <base>/midi/, <base>/mp3/ background music
  <base>/FlightReport/      the folder the flight reports go to
  <base>/flight/parked-at-gate.txt   fs-standin script: parked at a gate of the departure airport

Files that exist are kept (a second run only copies programs that changed), so a
settings file the program has rewritten stays as it is.

  scripts/make-sample.py [--build BUILD_DIR] [--data-only] [--list] [--tables-only] [BASE]   (defaults: build, sample)

--data-only leaves out the programs; --list only prints the data files' paths (and makes nothing),
--tables-only writes only the two table files (the tests check with both that every
recording a group can name is in the sample).
"""

import argparse
import concurrent.futures
import os
import shutil
import struct
import subprocess
import sys
import tempfile
from pathlib import Path

RATE = 22050  # every recording: 22.05 kHz, mono, 16-bit

# Simulator units of the table files.
LAT_UNIT = 8.9984275577e-6    # degrees per latitude unit
LON_UNIT = 8.381903171539e-8  # degrees per longitude unit (high half)

# Airports: slot, voice flag, own chime, ICAO, button, board name, detail name,
# latitude, longitude (degrees), elevation (ft), GMT minus local (standard, summer),
# and the name as the lobby says it ("... bound").
AIRPORTS = [
    (0, 1, "", "RJAA", "成田", "東京(成田)", "成田国際空港", 35.7647, 140.3864, 141, -540, -540, "なりた ゆき"),
    (1, 1, "チャイム羽田.wav", "RJTT", "羽田", "東京(羽田)", "東京国際空港　羽田", 35.5533, 139.7811, 21, -540, -540,
     "とうきょう はねだ ゆき"),
    (2, 1, "", "RJBB", "関西", "大阪(関西)", "関西国際空港", 34.4347, 135.2441, 26, -540, -540, "かんさい ゆき"),
    (3, 1, "", "RJOO", "伊丹", "大阪(伊丹)", "大阪国際空港　伊丹", 34.7855, 135.4382, 39, -540, -540,
     "おおさか いたみ ゆき"),
    (4, 1, "", "RJGG", "中部", "名古屋(中部)", "中部国際空港", 34.8584, 136.8054, 15, -540, -540, "ちゅうぶ ゆき"),
    (5, 1, "", "RJFF", "福岡", "福岡", "福岡空港", 33.5859, 130.4511, 32, -540, -540, "ふくおか ゆき"),
    (6, 1, "", "ROAH", "那覇", "沖縄(那覇)", "那覇空港", 26.1958, 127.6459, 12, -540, -540, "おきなわ なは ゆき"),
    (80, 1, "", "RJCC", "新千歳", "札幌(新千歳)", "新千歳国際空港　札幌", 42.7752, 141.6923, 82, -540, -540,
     "さっぽろ しんちとせ ゆき"),
    (100, 1, "", "KJFK", "ニューヨーク", "NEW YORK", "ジョン・F・ケネディ国際空港", 40.6398, -73.7789, 13, 300, 240,
     "ニューヨーク ゆき"),
    (101, 1, "", "EGLL", "ロンドン", "LONDON", "ロンドン・ヒースロー空港", 51.4700, -0.4543, 83, 0, -60, "ロンドン ゆき"),
    (102, 1, "", "KLAX", "ロサンゼルス", "LOS ANGELES", "ロサンゼルス国際空港", 33.9416, -118.4085, 125, 480, 420,
     "ロサンゼルス ゆき"),
    (103, 1, "", "WSSS", "シンガポール", "SINGAPORE", "シンガポール・チャンギ国際空港", 1.3644, 103.9915, 22, -480, -480,
     "シンガポール ゆき"),
    (104, 1, "", "VHHH", "香港", "HONG KONG", "香港国際空港", 22.3080, 113.9185, 28, -480, -480, "ホンコン ゆき"),
    (105, 1, "", "RKSI", "ソウル", "SEOUL", "仁川国際空港", 37.4602, 126.4407, 23, -540, -540, "ソウル インチョン ゆき"),
    (106, 1, "", "LFPG", "パリ", "PARIS", "シャルル・ド・ゴール空港", 49.0097, 2.5479, 392, -60, -120, "パリ ゆき"),
]
DEPARTURE_SLOT = 1  # the settings' departure airport
DEPARTURE_GATE = (35.5489, 139.7840, 180)  # a stand at its Terminal 1: latitude, longitude, heading

# Airlines: slot, voice flag, button, detail name, safety announcement file, spoken name.
AIRLINES = [
    (0, 1, "JAL", "JAL 日本航空", "JAL.wav", "にほん こうくう"),
    (1, 1, "ANA", "ANA 全日本空輸", "", "ぜんにっくう"),
    (2, 1, "SKY", "SKY スカイマーク", "", "スカイマーク"),
    (3, 1, "ADO", "ADO エア・ドゥ", "", "エア ドゥ"),
    (100, 1, "UAL", "UAL ユナイテッド航空", "", "ユナイテッド こうくう"),
    (101, 1, "BAW", "BAW ブリティッシュ・エアウェイズ", "", "ブリティッシュ エアウェイズ"),
    (102, 1, "SIA", "SIA シンガポール航空", "", "シンガポール こうくう"),
    (103, 1, "CPA", "CPA キャセイパシフィック航空", "", "キャセイパシフィック こうくう"),
]

AIRPORT_HEADER = "No,音声,チャイム,ICAO,選択ボタン,空港名パタパタ,空港名詳細,緯度,経度,高度,DEF時差,修正時差"
AIRLINE_HEADER = "No,音声,選択ボタン,会社名詳細,安全放送"

# Japanese is written in kana for espeak-ng (it reads no kanji); particles as spoken.
DIGIT = ["ゼロ", "いち", "に", "さん", "よん", "ご", "ろく", "なな", "はち", "きゅう"]
THOUSANDS = ["ゼロ", "せん", "にせん", "さんぜん", "よんせん", "ごせん", "ろくせん", "ななせん", "はっせん", "きゅうせん"]
HUNDREDS = ["ゼロ", "ひゃく", "にひゃく", "さんびゃく", "よんひゃく", "ごひゃく", "ろっぴゃく", "ななひゃく", "はっぴゃく",
            "きゅうひゃく"]
TENS = ["ゼロ", "じゅう", "にじゅう", "さんじゅう", "よんじゅう", "ごじゅう", "ろくじゅう", "ななじゅう", "はちじゅう",
        "きゅうじゅう"]
HOURS = ["れいじ", "いちじ", "にじ", "さんじ", "よじ", "ごじ", "ろくじ", "しちじ", "はちじ", "くじ", "じゅうじ",
         "じゅういちじ", "じゅうにじ", "じゅうさんじ", "じゅうよじ", "じゅうごじ", "じゅうろくじ", "じゅうしちじ",
         "じゅうはちじ", "じゅうくじ", "にじゅうじ", "にじゅういちじ", "にじゅうにじ", "にじゅうさんじ"]
MINUTES = {0: "はつ", 1: "いっぷん はつ", 2: "にふん はつ", 3: "さんぷん はつ", 4: "よんぷん はつ", 5: "ごふん はつ",
           6: "ろっぷん はつ", 7: "ななふん はつ", 8: "はっぷん はつ", 9: "きゅうふん はつ", 10: "じゅっぷん はつ",
           20: "にじゅっぷん はつ", 30: "さんじゅっぷん はつ", 40: "よんじゅっぷん はつ", 50: "ごじゅっぷん はつ"}

# The lobby's delay words of the arrival guidance, by minutes late.
DELAYS = {0: "ていこく どおり", 10: "じゅっぷん おくれで", 20: "にじゅっぷん おくれで", 30: "さんじゅっぷん おくれで",
          40: "よんじゅっぷん おくれで", 50: "ごじゅっぷん おくれで", 60: "ろくじゅっぷん いじょう おくれで"}

LOBBY_VOICE = "ja+f2"
CAPTAIN_VOICE = "ja+m3"
CABIN_VOICES = ["ja+f1", "ja+f3", "ja+f4", "ja+f5"]


def lobby_voices():
    """The lobby's recordings: path -> (voice, text)."""
    v = {
        "Wav/Lob/出発最終案内.wav": "ごとうじょうの さいしゅう あんないを いたします",
        "Wav/Lob/お客様は.wav": "ごじょうしゃの おきゃくさまわ",
        "Wav/Lob/お急ぎ下さい.wav": "ゲートえ おいそぎ ください",
        "Wav/Lob/繰返しお知らせ.wav": "くりかえし おしらせ いたします",
    }
    for d in range(10):
        v[f"Wav/Lob/NumJ/lo_nk{d}.wav"] = THOUSANDS[d]
        v[f"Wav/Lob/NumJ/lo_nh{d}.wav"] = HUNDREDS[d]
        v[f"Wav/Lob/NumJ/lo_nj{d}.wav"] = TENS[d]
        v[f"Wav/Lob/NumBin/lo_bk{d}.wav"] = THOUSANDS[d] + "びん"
        v[f"Wav/Lob/NumBin/lo_bh{d}.wav"] = HUNDREDS[d] + "びん"
        v[f"Wav/Lob/NumBin/lo_bj{d}.wav"] = TENS[d] + "びん"
        v[f"Wav/Lob/NumBin/lo_bs{d}.wav"] = DIGIT[d] + "びん"
        v[f"Wav/Lob/NumGate/lo_gh{d}.wav"] = HUNDREDS[d] + "ばん"
        v[f"Wav/Lob/NumGate/lo_gj{d}.wav"] = TENS[d] + "ばん"
        v[f"Wav/Lob/NumGate/lo_gs{d}.wav"] = DIGIT[d] + "ばん"
    for h, text in enumerate(HOURS):
        v[f"Wav/Lob/NumHour/{h:02d}時.wav"] = text
    for m, text in MINUTES.items():
        v[f"Wav/Lob/NumMinu/{m:02d}分発.wav"] = text
    for slot, *_rest in AIRLINES:
        region, number = region_of(slot)
        v[f"Wav/Lob/Cmp/{region}/LCOMP_{number:02d}.wav"] = _rest[-1]
    for slot, *rest in AIRPORTS:
        region, number = region_of(slot)
        v[f"Wav/Lob/Apt0/{region}/LAPT_{number:02d}.wav"] = rest[-1]
        v[f"Wav/Lob/Apt1/{region}/LAPT_{number:02d}.wav"] = spoken_airport(rest[-1]) + " から とうちゃくの びんわ"
    # The arrival guidance.
    v["Wav/Lob/到着便のお知らせ.wav"] = "とうちゃくびんの おしらせを いたします"
    v["Wav/Lob/到着しました.wav"] = "ゲートに ただいま とうちゃく いたしました"
    v["Wav/Lob/繰返しご案内.wav"] = "くりかえし ごあんない いたします"
    for minutes, text in DELAYS.items():
        v[f"Wav/Lob/NumDelay/{minutes:02d}分遅れ.wav"] = text
    return {path: (LOBBY_VOICE, text) for path, text in v.items()}


def region_of(slot):
    """The region folder and number of a table slot."""
    return ("Japan", slot) if slot < 100 else ("World", slot - 100)


def spoken_airport(bound):
    """An airport's spoken name without its "bound" ("ふくおか ゆき" -> "ふくおか")."""
    return bound[:-len(" ゆき")] if bound.endswith(" ゆき") else bound


def cabin_voices():
    v = {}
    for n, voice in enumerate(CABIN_VOICES, start=1):
        v[f"Wav/CA{n}/15分前.wav"] = (voice, "みなさま、このひこうきわ あと じゅうごふんで ちゃくりく いたします")
    v["Wav/himitu/nw057/G0搭乗案内.wav"] = (
        "ja+f4", "とうじょう あんないです。 ごとうじょうの おきゃくさまわ ゲートえ おいそぎ ください")
    # The arrival announcements: G5's parts around the airport's and the airline's names,
    # G6's final announcement around the airline's name.
    for n, voice in enumerate(CABIN_VOICES, start=1):
        v[f"Wav/CA{n}/G5_1.wav"] = (voice, "みなさま、このひこうきわ ただいま")
        v[f"Wav/CA{n}/G5_2.wav"] = (voice, "に とうちゃく いたしました。 ほんじつも")
        v[f"Wav/CA{n}/G5_3.wav"] = (voice, "を ごりよう いただき まことに ありがとう ございました")
        v[f"Wav/CA{n}/G6_1.wav"] = (voice, "みなさま、ほんじつも")
        v[f"Wav/CA{n}/G6_2.wav"] = (voice, "を ごりよう いただき ありがとう ございました。 またの ごりようを おまちして おります")
        for slot, *rest in AIRLINES:
            region, number = region_of(slot)
            v[f"Wav/CA{n}/Cmp/{region}/SCOMP_{number:02d}.wav"] = (voice, rest[-1])
        for slot, *rest in AIRPORTS:
            region, number = region_of(slot)
            v[f"Wav/CA{n}/Apt/{region}/SAPT_{number:02d}.wav"] = (voice, spoken_airport(rest[-1]) + " くうこう")
    v["Wav/CP/G6_0.wav"] = (CAPTAIN_VOICE, "キャプテンより ひとこと もうしあげます")
    v["Wav/CP/G6_3.wav"] = (CAPTAIN_VOICE, "おつかれさまでした。 またの ごとうじょうを おまちして おります")
    v["Wav/himitu/nw057/G5到着アナウンス.wav"] = (
        "ja+f4", "とうちゃく あんないです。 みなさま、ながらくの ごとうじょう おつかれさまでした")
    return v



COCKPIT_VOICE = "ja+m3"
COPILOT_VOICE = "ja+m1"
ENGLISH_VOICE = "en-us+m3"
DIGIT_E = ["zero", "one", "two", "three", "four", "five", "six", "seven", "eight", "niner"]
# What the captain reads from the take-off briefing card, part by part.
TOB_PARTS = {
    1: "テイクオフ ブリーフィングを はじめます。 ランウェイ",
    2: "ウィンド",
    3: "きおん",
    4: "ろてん",
    5: "キューエヌエイチ",
    6: "いじょう ウェザー かくにん しました",
    7: "フューエル",
    8: "テイクオフ ウェイト",
    9: "ブイワン",
    10: "クルーズ オルティチュード",
    11: "ブイワン いぜんの トラブルわ リジェクト テイクオフ、 ブイワン いごわ テイクオフを けいぞく します",
    12: "リターン パターンわ",
    13: "ドア クローズ かくにん しました",
    14: "クリアランスわ",
    15: "よろしく おねがい します",
}
CP_WORDS = {
    "cp_rwr": "ライト", "cp_rwl": "レフト",
    "cp_wrc": "みぎ うしろから", "cp_wlc": "ひだり うしろから",
    "cp_wry": "やや みぎよりの かぜ", "cp_wly": "やや ひだりよりの かぜ",
    "cp_minas": "マイナス", "cp_flap": "フラップ",
    "cp_t1c1": "テイクワン クライムワン", "cp_t1c2": "テイクワン クライムツー",
    "cp_t2c1": "テイクツー クライムワン", "cp_t2c2": "テイクツー クライムツー",
    "cp_tocb": "ティーオー シービー", "cp_up": "クライム",
    "cp_upnav": "エルナブ ブイナブ", "cp_upspd": "スピード ヘディング",
    "cp_efacc": "エンジンアウト アクセラレーション", "cp_acc": "アクセラレーション",
    "cp_treduc": "スラスト リダクション",
    "cp_pwr": "ワイドパターン レーダーベクター", "cp_pwv": "ワイドパターン ビジュアル",
    "cp_psr": "ショートパターン レーダーベクター", "cp_psv": "ショートパターン ビジュアル",
}
# Aircraft type numbers of the cockpit's pushback recordings (type 00 has no new set).
COCKPIT_TYPES = ["00", "01", "02", "03", "04", "05", "06"]
WEATHER_WORDS = {"fine": ("はれ", "fine"), "sunycloud": ("はれ ときどき くもり", "partly cloudy"),
                 "cloud": ("くもり", "cloudy"), "cloudrain": ("くもり ときどき あめ", "cloudy with some rain"),
                 "rain": ("あめ", "rain"), "storm": ("あらし", "stormy"), "snow": ("ゆき", "snow")}


def japanese_number(n):
    """A whole number below 100000 in kana."""
    if n == 0:
        return "ゼロ"
    parts = []
    man, rest = divmod(n, 10000)
    if man:
        parts.append(japanese_number(man) + "まん")
    for unit, names in ((1000, THOUSANDS), (100, HUNDREDS), (10, TENS)):
        d, rest = divmod(rest, unit)
        if d:
            parts.append(names[d])
    if rest:
        parts.append(DIGIT[rest])
    return " ".join(parts)


def cockpit_voices():
    """The briefing card, the cockpit's numbers and words, and the value phrases."""
    v = {}
    for n, text in TOB_PARTS.items():
        v[f"Wav/TOB/ca1g{n:02d}.wav"] = (COCKPIT_VOICE, text)
    for d in range(10):
        v[f"Wav/CP/NumE/cp_cm{d}.wav"] = (ENGLISH_VOICE, DIGIT_E[d])
        v[f"Wav/CP/NumE/cp_ce{d}.wav"] = (ENGLISH_VOICE, DIGIT_E[d] + ".")
        v[f"Wav/CP/NumJ/cp_nh{d}.wav"] = (COCKPIT_VOICE, HUNDREDS[d])
        v[f"Wav/CP/NumJ/cp_nj{d}.wav"] = (COCKPIT_VOICE, TENS[d])
        v[f"Wav/CP/NumJ/cp_ns{d}.wav"] = (COCKPIT_VOICE, DIGIT[d] + " ど")
        v[f"Wav/CP/NumJ/cp_nk{d}.wav"] = (COCKPIT_VOICE, THOUSANDS[d])
        v[f"Wav/CP/NumJ/cp_nm{d}.wav"] = (COCKPIT_VOICE, DIGIT[d] + "まん")
        v[f"Wav/CP/NumJ/cp_ng{d}.wav"] = (COCKPIT_VOICE, TENS[d] + "まん")
        v[f"Wav/CP/NumKnot/cp_kj{d}.wav"] = (COCKPIT_VOICE, TENS[d] + " ノット")
        v[f"Wav/CP/NumKnot/cp_ks{d}.wav"] = (COCKPIT_VOICE, DIGIT[d] + " ノット")
        v[f"Wav/CP/NumDo/cp_dj{d}.wav"] = (COCKPIT_VOICE, TENS[d] + " ど")
        v[f"Wav/CP/NumDo/cp_ds{d}.wav"] = (COCKPIT_VOICE, DIGIT[d] + " ど")
        v[f"Wav/CP/NumFeet/cp_fm{d}.wav"] = (COCKPIT_VOICE, DIGIT[d] + "まん フィート")
        v[f"Wav/CP/NumFeet/cp_fk{d}.wav"] = (COCKPIT_VOICE, THOUSANDS[d] + " フィート")
        v[f"Wav/CP/NumLbs/cp_pg{d}.wav"] = (COCKPIT_VOICE, TENS[d] + "まん ポンド")
        v[f"Wav/CP/NumLbs/cp_pm{d}.wav"] = (COCKPIT_VOICE, DIGIT[d] + "まん ポンド")
        v[f"Wav/CP/NumLbs/cp_pk{d}.wav"] = (COCKPIT_VOICE, THOUSANDS[d] + " ポンド")
    for name, text in CP_WORDS.items():
        v[f"Wav/CP/Etc/{name}.wav"] = (COCKPIT_VOICE, text)
    # The pushback: the cockpit's talk per aircraft type, the four calls of the add-on
    # 767's engine start, and the ground crew's words.
    for t in COCKPIT_TYPES:
        sets = [""] if t == "00" else ["", "_new"]
        for suffix in sets:
            v[f"Wav/CP/G2_{t}_1{suffix}.wav"] = (
                COPILOT_VOICE, "エンジン スタート します。 スタート ナンバーツー。 エヌツー、 フューエル オン")
            v[f"Wav/CP/G2_{t}_2{suffix}.wav"] = (COCKPIT_VOICE, "アフター スタート チェックリスト コンプリート")
    v["Wav/CP/G2_00_2AES.wav"] = (COCKPIT_VOICE, "ドア クローズ。 タキシーの じゅんびが できました")
    v["Wav/CP/G2_00_N2.wav"] = (COPILOT_VOICE, "エヌツー さんじゅっパーセント")
    v["Wav/CP/G2_00_SC.wav"] = (COPILOT_VOICE, "スタート コンプリート")
    v["Wav/CP/G2_00_E1.wav"] = (COPILOT_VOICE, "スタート ナンバーワン")
    v["Wav/CP/G2_00_ASC.wav"] = (COCKPIT_VOICE, "アフター スタート チェック")
    pb = "Wav/Etc/プッシュバック"
    for d in range(4):
        v[f"{pb}/g_pb_{d}_.wav"] = (LOBBY_VOICE, "プッシュバック かいし します。 ランウェイ " + DIGIT[d])
    for d in range(10):
        v[f"{pb}/g_pb_z_{d}.wav"] = (LOBBY_VOICE, DIGIT[d])
    v[f"{pb}/g_pb_z_r.wav"] = (LOBBY_VOICE, "ライト です")
    v[f"{pb}/g_pb_z_l.wav"] = (LOBBY_VOICE, "レフト です")
    v[f"{pb}/g_pb_z_e.wav"] = (LOBBY_VOICE, "です")
    v[f"{pb}/g_pb_ps.wav"] = (LOBBY_VOICE, "プッシュバック しゅうりょう。 パーキング ブレーキ セット ねがいます")
    # The captain's value phrases: altitude, speed, weather, temperature.
    alt = "Wav/CP/Alt"
    for ft in range(10000, 42000, 1000):
        v[f"{alt}/{ft}ftE.wav"] = (ENGLISH_VOICE, f"{ft} feet")
    v[f"{alt}/40000moreftE.wav"] = (ENGLISH_VOICE, "more than forty thousand feet")
    for m in range(3000, 14000, 1000):
        v[f"{alt}/{m}mJ.wav"] = (COCKPIT_VOICE, japanese_number(m) + " メートル")
        v[f"{alt}/{m}mE.wav"] = (ENGLISH_VOICE, f"{m} meters")
    for n in (4, 6, 8, 9, 10, 11, 12, 16):
        v[f"{alt}/ALT_{n:02d}.wav"] = (COCKPIT_VOICE, "やく " + japanese_number(n * 1000) + " メートル")
    spd = "Wav/CP/Spd"
    for k in range(400, 1300, 100):
        v[f"{spd}/{k}kmhJ.wav"] = (COCKPIT_VOICE, "じそく " + japanese_number(k) + " キロ")
        v[f"{spd}/{k}kmhE.wav"] = (ENGLISH_VOICE, f"{k} kilometers per hour")
    v[f"{spd}/morekmhE.wav"] = (ENGLISH_VOICE, "more than twelve hundred kilometers per hour")
    for n in (4, 5, 6, 7, 8, 9, 10, 12, 20):
        v[f"{spd}/SPD_{n:02d}.wav"] = (COCKPIT_VOICE, "じそく やく " + japanese_number(n * 100) + " キロ")
    for word, (ja, en) in WEATHER_WORDS.items():
        v[f"Wav/CP/Weather/{word}J.wav"] = (COCKPIT_VOICE, ja)
        v[f"Wav/CP/Weather/{word}E.wav"] = (ENGLISH_VOICE, en)
    keys = [f"-{t:02d}" for t in range(1, 21)] + [f"{t:02d}" for t in range(50)] + ["50more"]
    for key in keys:
        t = 50 if key == "50more" else int(key)
        ja = ("マイナス " if t < 0 else "") + japanese_number(abs(t)) + " ど" + (" いじょう" if key == "50more" else "")
        en = ("minus " if t < 0 else "") + f"{abs(t)} degrees" + (" or more" if key == "50more" else "")
        v[f"Wav/CP/Tmp/{key}doJ.wav"] = (COCKPIT_VOICE, ja)
        v[f"Wav/CP/Tmp/{key}doE.wav"] = (ENGLISH_VOICE, en)
    v["Wav/himitu/nw057/G1最初の挨拶.wav"] = ("ja+f4", "みなさま、 ほんじつわ ごとうじょう ありがとう ございます")
    v["Wav/himitu/nw057/G2プッシュバック開始.wav"] = ("ja+f4", "ただいまより プッシュバック いたします")
    return v


def ground_voices():
    """The taxi, take-off and hold groups: the attendants' safety and take-off
    announcements, the airline's own safety announcement, the cockpit's taxi talk,
    read-backs, flaps and checks."""
    v = {}
    for n, voice in enumerate(CABIN_VOICES, start=1):
        v[f"Wav/CA{n}/G3.wav"] = (voice, "ただいまより きないの あんぜん せつびに ついて ごあんない いたします")
        v[f"Wav/CA{n}/G3_1.wav"] = (voice, "みなさま、 ただいまより あんぜんの ための ビデオを ごらん いただきます")
        v[f"Wav/CA{n}/G3_2.wav"] = (voice, "シートベルトを しっかりと おしめ ください")
        v[f"Wav/CA{n}/G4.wav"] = (voice, "みなさま、 まもなく りりく いたします。 シートベルトを おたしかめ ください")
    for _slot, _voice, code, _detail, safety, _spoken in AIRLINES:
        if safety:
            v[f"Wav/Etc/安全放送/{safety}"] = (CABIN_VOICES[0], code + " の あんぜん せつびの ごあんない です")
    v["Wav/CP/G3_Taxi1.wav"] = (COCKPIT_VOICE, "タキシー します。 ランウェイ")
    v["Wav/CP/G3_Taxi2.wav"] = (COPILOT_VOICE, "ラジャー。 ランウェイ")
    v["Wav/CP/G3_Taxi3.wav"] = (COCKPIT_VOICE, "フラップ")
    v["Wav/CP/G3_Taxi4.wav"] = (COPILOT_VOICE, "フラップ セット かくにん")
    v["Wav/CP/G3_CntChk.wav"] = (COCKPIT_VOICE, "キャビン レディ かくにん")
    v["Wav/CP/G3_BTOchk1.wav"] = (COPILOT_VOICE, "ビフォア テイクオフ チェックリスト。 フラップ")
    v["Wav/CP/G3_BTOchk2.wav"] = (COCKPIT_VOICE, "ビフォア テイクオフ チェックリスト コンプリート")
    for flap in (5, 10, 15, 20, 25, 30):
        v[f"Wav/CP/Flap/CP_Flap{flap}.wav"] = (COCKPIT_VOICE, japanese_number(flap))
    for d in range(10):
        v[f"Wav/FO/NumE/fo_cm{d}.wav"] = (ENGLISH_VOICE, DIGIT_E[d])
        v[f"Wav/FO/NumE/fo_ce{d}.wav"] = (ENGLISH_VOICE, DIGIT_E[d] + ".")
    v["Wav/FO/Etc/fo_rwr.wav"] = (COPILOT_VOICE, "ライト")
    v["Wav/FO/Etc/fo_rwl.wav"] = (COPILOT_VOICE, "レフト")
    v["Wav/CP/G4_CTO.wav"] = (COCKPIT_VOICE, "クリアード フォー テイクオフ")
    v["Wav/CP/G9_1.wav"] = (COCKPIT_VOICE, "みなさま、 キャプテンです。 ただいま りりくの じゅんばんを まって おります")
    v["Wav/CP/G9_2.wav"] = (COCKPIT_VOICE, "いましばらく おまち ください")
    v["Wav/himitu/nw057/G3安全放送.wav"] = ("ja+f4", "あんぜん せつびの ごあんない です")
    return v


def inflight_voices():
    """The in-flight groups: the attendants' announcements (domestic and international),
    the airport names of the one-hour announcement, the captain's parts and the hidden
    set's recordings."""
    v = {}
    texts = {
        "A1": "みなさま、 ただいま シートベルト着用の サインが きえました",
        "A3": "みなさま、 これより おのみものの サービスを いたします",
        "A3int": "みなさま、 これより おのみものと めんぜいひんの はんばいを いたします",
        "A5_1": "みなさま、 この ひこうきわ あと いちじかんで",
        "A5_1int": "みなさま、 この ひこうきわ あと いちじかんで こくさいせんの",
        "A5_2": "に とうちゃく いたします",
        "A5_2int": "に とうちゃく いたします。 にゅうこく しょるいを ごじゅんび ください",
        "A6": "みなさま、 サービスを しゅうりょう いたします",
        "A7": "みなさま、 この ひこうきわ あと にじゅっぷんで とうちゃく いたします",
        "A8": "みなさま、 まもなく ちゃくりく いたします",
        "A9": "みなさま、 きりゅうの わるい ところを つうか します。 シートベルトを おしめ ください",
    }
    for n, voice in enumerate(CABIN_VOICES, start=1):
        for name, text in texts.items():
            v[f"Wav/CA{n}/{name}.wav"] = (voice, text)
    v["Wav/CP/A5_0.wav"] = (COCKPIT_VOICE, "キャプテンです。 とうちゃく まで あと いちじかん です")
    v["Wav/CP/A9_0.wav"] = (COCKPIT_VOICE, "キャプテンです。 この さき きりゅうの わるい ところが あります")
    hidden = "Wav/himitu/nw057"
    v[f"{hidden}/A1上昇中アナウンス.wav"] = ("ja+f4", "ただいま じょうしょう ちゅう です")
    v[f"{hidden}/A3免税品販売.wav"] = ("ja+f4", "めんぜいひんの はんばいを いたします")
    v[f"{hidden}/A5映画.wav"] = ("ja+f4", "えいがの ごあんない です")
    v[f"{hidden}/A7到着２０分前アナウンス.wav"] = ("ja+f4", "とうちゃく にじゅっぷん まえ です")
    v[f"{hidden}/A8最終着陸態勢.wav"] = ("ja+f4", "さいしゅう ちゃくりく たいせい に はいりました")
    return v


def captain_voices():
    """The captain's greeting in flight (new Japanese, airline-name Japanese, English, the
    cockpit's opening and closing, the airline's name in the captain's voice) and the
    landing briefing's fixed parts."""
    v = {}
    cp, en = COCKPIT_VOICE, ENGLISH_VOICE
    v["Wav/CP/A2_0.wav"] = (cp, "では きないに アナウンス します")
    v["Wav/CP/A2_6.wav"] = (COPILOT_VOICE, "おつかれさまです")
    v["Wav/CP/A2_1MJ.wav"] = (cp, "みなさま、 おはよう ございます。 キャプテンです")
    v["Wav/CP/A2_1AJ.wav"] = (cp, "みなさま、 こんにちわ。 キャプテンです")
    v["Wav/CP/A2_1EJ.wav"] = (cp, "みなさま、 こんばんわ。 キャプテンです")
    v["Wav/CP/A2_2J.wav"] = (cp, "ほんじつわ ごとうじょう いただき ありがとう ございます")
    v["Wav/CP/A2_3Jontime.wav"] = (cp, "この ひこうきわ ていこくに しゅっぱつ いたしました。 ただいまの こうどわ")
    v["Wav/CP/A2_3Jdelay.wav"] = (
        cp, "しゅっぱつが おくれまして もうしわけ ございませんでした。 ただいまの こうどわ")
    v["Wav/CP/A2_4J.wav"] = (cp, "を ひこう ちゅう です。 ただいまの そくどわ")
    v["Wav/CP/A2_5J.wav"] = (cp, "です。 とうちゃく ちの てんきわ")
    v["Wav/CP/A2_6J.wav"] = (cp, "、 きおんわ")
    v["Wav/CP/A2_7J.wav"] = (cp, "との ことです。 ごゆっくり おくつろぎ ください")
    v["Wav/CP/A2_1.wav"] = (cp, "みなさま、 キャプテンです。 ほんじつも")
    v["Wav/CP/A2_2.wav"] = (cp, "を ごりよう いただき ありがとう ございます。 ただいま")
    v["Wav/CP/A2_3.wav"] = (cp, "で ひこう ちゅう です")
    v["Wav/CP/A2_4.wav"] = (cp, "ほんじつも")
    v["Wav/CP/A2_5.wav"] = (cp, "を ごりよう いただき まことに ありがとう ございます")
    v["Wav/CP/A2_1ME.wav"] = (en, "Good morning, ladies and gentlemen. This is your captain speaking.")
    v["Wav/CP/A2_1AE.wav"] = (en, "Good afternoon, ladies and gentlemen. This is your captain speaking.")
    v["Wav/CP/A2_1EE.wav"] = (en, "Good evening, ladies and gentlemen. This is your captain speaking.")
    v["Wav/CP/A2_2E.wav"] = (en, "Welcome aboard. We are now flying at an altitude of")
    v["Wav/CP/A2_3E.wav"] = (en, "or")
    v["Wav/CP/A2_4E.wav"] = (en, "and our ground speed is")
    v["Wav/CP/A2_5E.wav"] = (en, "The weather at our destination is")
    v["Wav/CP/A2_6E.wav"] = (en, "We hope you enjoy the flight. Thank you.")
    for slot, *rest in AIRLINES:
        region, number = region_of(slot)
        v[f"Wav/CP/Cmp/{region}/PCOMP_{number:02d}.wav"] = (cp, rest[-1])
    v["Wav/himitu/nw057/A2機長挨拶.wav"] = ("ja+m1", "キャプテンです。 ほんじつわ ようこそ")
    # The landing briefing: runway, go-around altitude, go-around flaps.
    v["Wav/CP/A4_1.wav"] = (cp, "ランディング ブリーフィング。 ランウェイ")
    v["Wav/CP/A4_2.wav"] = (cp, "ゴーアラウンド アルティチュード")
    v["Wav/CP/A4_3.wav"] = (cp, "フィート。 ゴーアラウンド フラップ")
    v["Wav/CP/A4_4.wav"] = (COPILOT_VOICE, "ラジャー")
    return v


def welcome_voices():
    """The cabin attendants' welcome: voices 1 to 3 short, voice 4 long."""
    v = {}
    for n, voice in enumerate(CABIN_VOICES, start=1):
        for slot, *rest in AIRLINES:
            region, number = ("Japan", slot) if slot < 100 else ("World", slot - 100)
            v[f"Wav/CA{n}/Cmp/{region}/SCOMP_{number:02d}.wav"] = (voice, rest[-1])
        if n <= 3:
            v[f"Wav/CA{n}/G1_1.wav"] = (voice, "みなさま、 ほんじつも")
            v[f"Wav/CA{n}/G1_2.wav"] = (voice, "を ごりよう いただきまして ありがとう ございます")
    ca4 = CABIN_VOICES[3]
    v["Wav/CA4/G1_1_1.wav"] = (ca4, "みなさま、 こんにちわ")
    v["Wav/CA4/G1_1_2.wav"] = (ca4, "みなさま、 こんばんわ")
    v["Wav/CA4/G1_1_3.wav"] = (ca4, "みなさま、 おはよう ございます")
    v["Wav/CA4/G1_2.wav"] = (ca4, "ほんじつも")
    v["Wav/CA4/G1_3.wav"] = (ca4, "を ごりよう いただきまして ありがとう ございます。 この ひこうきわ")
    v["Wav/CA4/G1_4_dom.wav"] = (ca4, "ゆき です")
    v["Wav/CA4/G1_4_int.wav"] = (ca4, "ゆき こくさいせん です")
    v["Wav/CA4/G1_5.wav"] = (ca4, "まもなく しゅっぱつ いたします")
    for slot, *rest in AIRPORTS:
        region, number = ("Japan", slot) if slot < 100 else ("World", slot - 100)
        v[f"Wav/CA4/Apt/{region}/SAPT_{number:02d}.wav"] = (ca4, rest[-1])
    for d in range(10):
        v[f"Wav/CA4/NumJ/ca_nk{d}.wav"] = (ca4, THOUSANDS[d])
        v[f"Wav/CA4/NumJ/ca_nh{d}.wav"] = (ca4, HUNDREDS[d])
        v[f"Wav/CA4/NumJ/ca_nj{d}.wav"] = (ca4, TENS[d])
        v[f"Wav/CA4/NumBin/ca_bk{d}.wav"] = (ca4, THOUSANDS[d] + "びん")
        v[f"Wav/CA4/NumBin/ca_bh{d}.wav"] = (ca4, HUNDREDS[d] + "びん")
        v[f"Wav/CA4/NumBin/ca_bj{d}.wav"] = (ca4, TENS[d] + "びん")
        v[f"Wav/CA4/NumBin/ca_bs{d}.wav"] = (ca4, DIGIT[d] + "びん")
    return v


# The call-out program's recordings: the first officer's and the captain's calls, the
# altitude read-out, and the special voice set.
FIRST_OFFICER_VOICE = "ja+m3"
CALLOUT_CAPTAIN_VOICE = "ja+m1"


def callout_voices():
    fo = {
        # The roll and the climb: the take-off call as thrust is set, then by speed and
        # height (the call-out program's order: low speed, 75 kt, V1, VR, V2, VNAV, climb
        # thrust).
        "Wav/Etc/速度読上/Oh006.wav": "すらすと せっと",
        "Wav/FO/to_1.wav": "ていくおふ",
        "Wav/FO/to_2.wav": "せぶんてぃふぁいぶ のっと",
        "Wav/FO/to_3.wav": "ぶい わん",
        "Wav/FO/to_4.wav": "ろーてーと",
        "Wav/FO/to_5.wav": "ぶい つー",
        "Wav/FO/to_6.wav": "ぶいなぶ",
        "Wav/FO/to_7.wav": "くらいむ すらすと",
        "Wav/FO/ld_1.wav": "あぷろーちんぐ みにまむ",
        "Wav/FO/ld_2.wav": "みにまむ",
        "Wav/FO/ld_3.wav": "すぽいらーず あっぷ",
        "Wav/FO/ld_4.wav": "しっくすてぃ のっと",
    }
    for feet, text in [(1000, "せん"), (500, "ごひゃく"), (400, "よんひゃく"), (300, "さんびゃく"), (200, "にひゃく"),
                       (100, "ひゃく"), (50, "ごじゅう"), (40, "よんじゅう"), (30, "さんじゅう"), (20, "にじゅう"),
                       (10, "じゅう")]:
        fo[f"Wav/Etc/高度読上/-{feet}.wav"] = text
    cp = {
        "Wav/CP/ChkList/cp_SetAP.wav": "おーとぱいろっと せっと",
        "Wav/CP/Flap/CP_GearDown.wav": "ぎあ だうん",
        "Wav/CP/Flap/CP_GearGreen.wav": "ぎあ ぐりーん",
        "Wav/CP/Flap/CP_着陸Flap1.wav": "ふらっぷ にじゅうご",
        "Wav/CP/Flap/CP_着陸Flap2.wav": "ふらっぷ さんじゅう",
        "Wav/CP/ChkList/CP_ATOChk.wav": "あふたー ていくおふ ちぇっくりすと",
        "Wav/CP/ChkList/CP_AprChk.wav": "あぷろーち ちぇっくりすと",
        "Wav/CP/ChkList/CP_LndChk.wav": "らんでぃんぐ ちぇっくりすと",
        "Wav/CP/ChkList/CP_ILS_LC.wav": "ろーかないざー いんたーせぷと",
        "Wav/CP/ChkList/CP_ILS_GL.wav": "ぐらいど すろーぷ",
        "Wav/CP/Ga/GoAround.wav": "ごー あらうんど",
        "Wav/CP/Ga/GearUp.wav": "ぎあ あっぷ",
        "Wav/CP/ChkList/CP_LndLightON.wav": "らんでぃんぐ らいと おん",
        "Wav/CP/ChkList/CP_LndLightOFF.wav": "らんでぃんぐ らいと おふ",
    }
    for flap, text in [(0, "ぜろ"), (1, "わん"), (5, "ふぁいぶ"), (10, "てん"), (15, "ふぃふてぃーん"),
                       (20, "とぅえんてぃ"), (25, "とぅえんてぃふぁいぶ"), (30, "さーてぃ")]:
        cp[f"Wav/CP/Flap/CP_Flap{flap}.wav"] = "ふらっぷす " + text
    for knots, text in [(250, "にひゃくごじゅう"), (230, "にひゃくさんじゅう"), (210, "にひゃくじゅう"),
                        (190, "ひゃくきゅうじゅう"), (170, "ひゃくななじゅう"), (150, "ひゃくごじゅう")]:
        cp[f"Wav/CP/ReSpd/CP_ReSpd{knots}.wav"] = "すぴーど " + text
    special = {
        "Wav/himitu/ravikTO.wav": "ていくおふ",
        "Wav/himitu/ravikWS.wav": "ういんど しあー",
        "Wav/himitu/ravikWR.wav": "ういんど しあー りかばりー",
        "Wav/himitu/ravikWE.wav": "くりあー おぶ ういんど しあー",
        "Wav/himitu/ravikGS.wav": "ぐらんど すぴーど",
        "Wav/himitu/ravikGR.wav": "ぐらんど りかばりー",
        "Wav/himitu/ravikGE.wav": "ぐらんど くりあー",
    }
    return {**{k: (FIRST_OFFICER_VOICE, t) for k, t in fo.items()},
            **{k: (CALLOUT_CAPTAIN_VOICE, t) for k, t in cp.items()},
            **{k: ("ja+f4", t) for k, t in special.items()}}


# The call-out program's effect loops: start, middle (looped) and end of each; "x" files
# are silent copies of their start sound, as long as it.
CALLOUT_EFFECTS = {
    "Wav/Etc/Tcar音/tcar_s.wav": "synth 1.2 brownnoise lowpass 400 tremolo 8 40 fade 0.8 1.2 0 gain -8",
    "Wav/Etc/Tcar音/tcar_m.wav": "synth 2 brownnoise lowpass 400 tremolo 8 40 gain -8",
    "Wav/Etc/Tcar音/tcar_e.wav": "synth 1.2 brownnoise lowpass 400 tremolo 8 40 fade 0 1.2 1.1 gain -8",
    "Wav/Etc/ギア風切音/gear_s1.wav": "synth 1.5 pinknoise highpass 300 fade 1.2 1.5 0 gain -12",
    "Wav/Etc/ギア風切音/gear_s2.wav": "synth 1 pinknoise highpass 300 fade 0.8 1 0 gain -12",
    "Wav/Etc/ギア風切音/gear_m.wav": "synth 2 pinknoise highpass 300 gain -12",
    "Wav/Etc/ギア風切音/gear_e.wav": "synth 1.5 pinknoise highpass 300 fade 0 1.5 1.4 gain -12",
    "Wav/Etc/着地音/land0.wav": "synth 0.4 brownnoise lowpass 200 fade 0 0.4 0.35 gain -2",
    "Wav/Etc/着地音/land1.wav": "synth 0.6 brownnoise lowpass 150 fade 0 0.6 0.55 gain 0",
    "Wav/Etc/リバース音/rev_s.wav": "synth 2 brownnoise lowpass 900 fade 1.5 2 0 gain -6",
    "Wav/Etc/リバース音/rev_m.wav": "synth 2 brownnoise lowpass 900 gain -6",
    "Wav/Etc/リバース音/rev_e.wav": "synth 2.5 brownnoise lowpass 900 fade 0 2.5 2.4 gain -6",
    "Wav/Etc/APU音/apu.wav": "synth 3 sine 400 sine 800 pinknoise lowpass 1500 gain -14",
}
CALLOUT_SILENT_COPIES = {
    "Wav/Etc/Tcar音/tcar_sx.wav": "Wav/Etc/Tcar音/tcar_s.wav",
    "Wav/Etc/ギア風切音/gear_s1x.wav": "Wav/Etc/ギア風切音/gear_s1.wav",
    "Wav/Etc/ギア風切音/gear_s2x.wav": "Wav/Etc/ギア風切音/gear_s2.wav",
    "Wav/Etc/リバース音/rev_sx.wav": "Wav/Etc/リバース音/rev_s.wav",
}


# Radio chatter: English phraseology, band-limited with a squelch tail.
ATC = {
    "del": ["Japan Air one two three four, cleared to New Chitose airport, flight planned route, "
            "maintain flight level two one zero, squawk two one four three.",
            "All Nippon six one, readback correct, contact ground one two one decimal seven.",
            "Skymark three one, cleared to Fukuoka via Kisarazu departure, squawk four six two one."],
    "gnd": ["Japan Air one two three four, push back and start approved, facing south.",
            "All Nippon six one, taxi to holding point runway three four right via Charlie.",
            "Skymark three one, hold short of taxiway Echo, give way to the company seven eight seven."],
    "twr": ["Japan Air five zero one, wind three four zero at eight, runway three four right, cleared for take-off.",
            "All Nippon six one, line up and wait runway three four right.",
            "Skymark three one, contact departure, good day."],
    "dep": ["Japan Air one two three four, Tokyo Departure, radar contact, climb and maintain one three thousand.",
            "All Nippon six one, turn right heading zero niner zero, climb flight level one eight zero.",
            "Skymark three one, proceed direct Kisarazu, contact Tokyo Control one three two decimal five."],
    "ctr": ["Japan Air one two three four, Tokyo Control, climb and maintain flight level three seven zero.",
            "All Nippon six one, moderate turbulence reported ahead at flight level three five zero.",
            "Skymark three one, descend at pilot's discretion, maintain flight level two four zero."],
    "apr": ["Japan Air one two three four, Chitose Approach, descend and maintain four thousand, expect ILS runway "
            "one right.",
            "All Nippon six one, reduce speed one eight zero knots, cleared ILS approach runway one right.",
            "Skymark three one, contact tower one one eight decimal eight."],
}

# Fixed effects and lobby sounds: path -> sox arguments after "sox -n -r RATE -c 1 -b 16 OUT".
EFFECTS = {
    "Wav/Etc/スイッチ音/-ss1.wav": "synth 0.02 whitenoise lowpass 3000 fade 0 0.02 0.015 gain -6",
    "Wav/Etc/ワイパー音/wip_s.wav":
        "synth 0.6 sine 60-140 tremolo 20 60 fade 0.2 0.6 0.05 gain -8",
    "Wav/Etc/ワイパー音/wip_m.wav": "synth 1.5 pinknoise band 1800 1200 tremolo 0.6667 95 gain -4",
    "Wav/Etc/ワイパー音/wip_e.wav": "synth 0.8 pinknoise band 1800 1200 fade 0 0.8 0.7 gain -6",
    "Wav/Etc/エアコン/aircon.wav": "synth 3 brownnoise lowpass 700 gain -10",
    # The radio noise under the captain's greeting (looped).
    "Wav/CP/A2_noise.wav": "synth 3 pinknoise band 1500 1200 tremolo 7 20 gain -22",
    "Wav/Lob/zawazawa_m.wav": "synth 4 pinknoise band 600 500 tremolo 3.5 40 tremolo 1.25 30 gain -12",
    "Wav/Lob/zawazawa_e.wav": "synth 2 pinknoise band 600 500 tremolo 3.5 40 fade 0 2 1.8 gain -12",
    # Lobby chimes: the departure airport's own, and the "Type_" ones drawn for the others.
    "Wav/Lob/チャイム羽田.wav": ("synth 0.45 pluck E5 fade 0 0.45 0.3 : synth 0.45 pluck C5 fade 0 0.45 0.3 : "
                                "synth 0.45 pluck D5 fade 0 0.45 0.3 : synth 0.9 pluck G4 fade 0 0.9 0.7 gain -3"),
    "Wav/Lob/Type_1.wav": "synth 0.6 sine E5 fade 0 0.6 0.5 : synth 0.9 sine C5 fade 0 0.9 0.8 gain -4",
    "Wav/Lob/Type_2.wav": ("synth 0.4 sine C5 fade 0 0.4 0.3 : synth 0.4 sine E5 fade 0 0.4 0.3 : "
                          "synth 0.9 sine G5 fade 0 0.9 0.8 gain -4"),
    "Wav/Lob/Type_3.wav": "synth 0.5 pluck A4 fade 0 0.5 0.4 : synth 0.9 pluck F4 fade 0 0.9 0.8 gain -3",
    # Engines spooling up (the add-on 767's in four stages) and the cockpit's background.
    "Wav/Etc/エンジン始動音/767E_R.wav": "synth 20 sine 60-900 brownnoise mix fade 2 20 3 gain -8",
    "Wav/Etc/エンジン始動音/767E_L.wav": "synth 20 sine 55-850 brownnoise mix fade 2 20 3 gain -8",
    "Wav/Etc/エンジン始動音/lds767E_R.wav": "synth 12 sine 300-1100 brownnoise mix fade 1 12 2 gain -8",
    "Wav/Etc/エンジン始動音/lds767E_L.wav": "synth 12 sine 280-1050 brownnoise mix fade 1 12 2 gain -8",
    "Wav/Etc/エンジン始動音/lds767E01.wav": "synth 6 sine 40-200 brownnoise mix fade 1 6 1 gain -10",
    "Wav/Etc/エンジン始動音/lds767E02.wav": "synth 6 sine 200-300 brownnoise mix fade 0.5 6 1 gain -10",
    "Wav/Etc/エンジン始動音/lds767E03.wav": "synth 8 sine 100-300 brownnoise mix fade 1 8 1 gain -9",
    "Wav/Etc/エンジン始動音/lds767E04.wav": "synth 6 sine 300-350 brownnoise mix fade 0.5 6 2 gain -9",
}
# The cockpit's background loop of each aircraft type.
for _t in ("00", "01", "02", "03", "04", "05", "06"):
    EFFECTS[f"Wav/CP/G2_{_t}_i.wav"] = "synth 4 brownnoise lowpass 400 tremolo 0.5 10 gain -14"

# Background music. MIDI: name -> (General MIDI program, tempo in bpm, chord roots);
# MP3: name -> chord roots played as plucked chords.
MIDI_SONGS = {
    "01_lobby_piano.mid": (0, 96, [60, 57, 53, 55] * 3),
    "02_cruise_strings.mid": (48, 72, [62, 59, 55, 57] * 3),
    "03_evening_vibes.mid": (11, 108, [57, 53, 60, 55] * 3),
}
MP3_TRACKS = {
    "01_morning_departure.mp3": ["C3", "A2", "F2", "G2"] * 4,
    "02_night_flight.mp3": ["D3", "B2", "G2", "A2"] * 4,
}


def run(cmd):
    subprocess.run(cmd, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)


def replace_into(path, write):
    """Writes a file whole under a temporary name and renames it into place."""
    path.parent.mkdir(parents=True, exist_ok=True)
    fd, tmp = tempfile.mkstemp(dir=path.parent, prefix=".tmp-", suffix=path.suffix)
    os.close(fd)
    os.chmod(tmp, 0o644)
    try:
        write(Path(tmp))
        os.replace(tmp, path)
    except BaseException:
        Path(tmp).unlink(missing_ok=True)
        raise


def outdated(base, relative):
    """A file to make: missing, or a flight stage's script that differs from the stage as it
    is now (no program writes those, so an installation made earlier flies the new ones)."""
    path = base / relative
    if not path.exists():
        return True
    return relative in FLIGHT_STAGES and path.read_text(encoding="utf-8", errors="replace") != FLIGHT_STAGES[relative]()


def write_cp932_lines(path, lines):
    data = "".join(line + "\r\n" for line in lines).encode("cp932")
    replace_into(path, lambda tmp: tmp.write_bytes(data))


def airport_lines():
    rows = {slot: rest for slot, *rest in AIRPORTS}
    lines = [AIRPORT_HEADER]
    for slot in range(200):
        if slot not in rows:
            lines.append(f"{slot},0,,,,,,0,0,0,0,0")
            continue
        voice, chime, icao, button, board, detail, lat, lon, elev, std, summer, _spoken = rows[slot]
        lat_units = round(lat / LAT_UNIT)
        lon_units = round(lon / LON_UNIT)
        lines.append(",".join(str(x) for x in (slot, voice, chime, icao, button, board, detail, lat_units, lon_units,
                                                elev, std, summer)))
    return lines


def airline_lines():
    rows = {slot: rest for slot, *rest in AIRLINES}
    lines = [AIRLINE_HEADER]
    for slot in list(range(50)) + list(range(100, 150)):
        voice, button, detail, safety, _spoken = rows.get(slot, (0, "", "", "", ""))
        lines.append(f"{slot},{voice},{button},{detail},{safety}")
    return lines


def settings_lines():
    # The reader takes the values in order and keeps its defaults for those not given.
    return [
        ";VexlorPro.cfg V1.11",
        ";サンプル設定：ここにない設定値は既定値のままです。終了時にすべての設定値が書き込まれます。",
        "; ファイル名; ", "=VexlorPro.cfg",
        ";Sound 画面表示位置", "=0", "=0",
        ";EXP 画面表示位置", "=0", "=0",
        ";速度コール", "=ON",
        ";高度コール", "=ON",
        ";視点切替", "=ON",
    ]


def parked_script():
    airport = next(a for a in AIRPORTS if a[0] == DEPARTURE_SLOT)
    icao, detail, elev = airport[3], airport[6], airport[9]
    lat, lon, heading = DEPARTURE_GATE
    return "\n".join([
        f"# Parked at a gate of {icao} ({detail}): on the ground, engines off.",
        f"at 0  lat={lat} lon={lon} alt={elev} agl=0 hdg={heading} gs=0 ias=0 tas=0 mach=0 vs=0 "
        "onground=1 gear=1 flaps=0 spoiler=0 throttle=0 n1=0 fuel=60 fuel_weight=6.7 zfw=260000 "
        "temp=18 dew=11 qnh=1015 wind_dir=340 wind_speed=7 sfc_wind_dir=340 sfc_wind_speed=7 "
        "low_base=3500 low_top=5000 low_cover=3",
        "",
    ])


# The sample flight after the gate, one script per stage; each stage starts where the one
# before left the aircraft ("here") and ends holding still, so the next can be loaded when
# the crew's steps between them are done.
ARRIVAL_SLOT = 80                      # New Chitose
DEPARTURE_RUNWAY = (35.5335, 139.7962, 337)   # Haneda 34R: threshold and true course
ARRIVAL_RUNWAY = (42.8080, 141.6690, 180)     # New Chitose 18R: threshold and true course
ARRIVAL_GATE = (42.7790, 141.6870, 90)        # a stand at its domestic terminal
METRES_PER_DEGREE = 1852.0 * 60.0


def moved(lat, lon, course, metres):
    """The point `metres` along the true course from (lat, lon)."""
    import math
    north = math.cos(math.radians(course)) * metres
    east = math.sin(math.radians(course)) * metres
    return (lat + north / METRES_PER_DEGREE,
            lon + east / (METRES_PER_DEGREE * math.cos(math.radians(lat))))


def at(seconds, **values):
    """One keyframe line; positions with 6 decimals."""
    m, s = divmod(int(round(seconds)), 60)
    h, m = divmod(m, 60)
    time = f"{h}:{m:02d}:{s:02d}" if h else f"{m}:{s:02d}"
    words = []
    for name, value in values.items():
        name = name.replace("raw_", "0x").replace("_", ":", 1) if name.startswith("raw_") else name
        if isinstance(value, float):
            value = f"{value:.6f}".rstrip("0").rstrip(".")
        words.append(f"{name}={value}")
    return f"at {time:<8} " + " ".join(words)


def roll(lat, lon, course, speeds):
    """Keyframes of a run along one course: (time, knots) pairs, the distance integrated
    from the speeds; returns [(time, lat, lon, knots)]."""
    out = [(speeds[0][0], lat, lon, speeds[0][1])]
    metres = 0.0
    for (t0, v0), (t1, v1) in zip(speeds, speeds[1:]):
        metres += (v0 + v1) / 2 * 0.514444 * (t1 - t0)
        out.append((t1, *moved(lat, lon, course, metres), v1))
    return out


def taxi_out_script():
    """After the pushback: engines running, taxi to Haneda 34R and line up (about 4 min)."""
    t_lat, t_lon, course = DEPARTURE_RUNWAY
    gate_lat, gate_lon, _ = DEPARTURE_GATE
    east = (gate_lat + 0.0007, 139.7905)
    south = (35.5352, 139.7937)
    hold = moved(t_lat, t_lon, course + 90, 120)
    return "\n".join([
        "# Taxi-out at Haneda: from where the pushback left the aircraft to runway 34R, lined up.",
        at(0, lat="here", lon="here", hdg="here", alt=21, agl=0, gs=0, ias=0, tas=0, vs=0, onground=1, gear=1,
           throttle=5, n1=22, spoiler=0),
        at(15, gs=0, throttle=12, n1=30, flaps=0),
        at(30, lat="here", lon="here", gs=12, ias=12, tas=12, throttle=10, n1=28, flaps=50),
        at(75, lat=east[0], lon=east[1], hdg=90, gs=15, ias=15, tas=15),
        at(85, hdg=170),
        at(210, lat=south[0], lon=south[1], hdg=170, gs=15, ias=15, tas=15),
        at(225, lat=hold[0], lon=hold[1], hdg=250, gs=8, ias=8, tas=8),
        at(240, lat=t_lat, lon=t_lon, hdg=course, gs=0, ias=0, tas=0, throttle=5, n1=25),
        "",
    ])


def takeoff_script():
    """From the line-up on 34R: take-off thrust, the roll, rotation, and the climb to
    4000 ft with the flaps coming up (about 2.5 min)."""
    t_lat, t_lon, course = DEPARTURE_RUNWAY
    elev = 21
    lines = ["# Take-off from Haneda 34R: thrust, the roll through V1, rotate and V2, the climb with "
             "the flaps up.",
             at(0, lat="here", lon="here", hdg=course, alt=elev, agl=0, gs=0, ias=0, tas=0, vs=0, onground=1,
                gear=1, flaps=50, throttle=5, n1=25, spoiler=0, raw_0C48_1=0, raw_0C49_1=0, raw_3300_2=0)]
    speeds = [(4, 0), (20, 45), (34, 90), (60, 160)]
    for t, lat, lon, kt in roll(t_lat, t_lon, course, speeds):
        # Thrust set as the roll begins, take-off thrust by 45 kt.
        extra = {4: {"throttle": 60, "n1": 60}, 20: {"throttle": 95, "n1": 95}}.get(t, {})
        lines.append(at(t, lat=lat, lon=lon, gs=kt, ias=kt, tas=kt, **extra))
    # Lift-off after rotation, then the climb along the runway course and a turn north-east.
    _t, lat, lon, _kt = roll(t_lat, t_lon, course, speeds)[-1]
    climb = [(60, 0, 160, elev, 0), (61, 1200, 162, elev + 10, 0), (75, 2500, 168, elev + 600, 0),
             (100, 2000, 185, 1800, 0), (125, 1800, 205, 2700, 0), (150, 1500, 235, 3500, 0)]
    track_lat, track_lon = lat, lon
    for (t0, _vs0, v0, _a0, _), (t1, vs1, v1, alt1, _) in zip(climb, climb[1:]):
        heading = course if t1 <= 100 else 20
        track_lat, track_lon = moved(track_lat, track_lon, heading, (v0 + v1) / 2 * 0.514444 * (t1 - t0))
        values = dict(lat=track_lat, lon=track_lon, alt=alt1, agl=alt1 - elev, ias=v1, tas=v1 + alt1 // 1000 * 3,
                      gs=v1, vs=vs1)
        if t1 == 61:
            values.update(onground=0, gear=1)  # the gear stays down until the lift-off
        if t1 == 75:
            values.update(gear=0)
        if t1 == 100:
            values.update(flaps=50, hdg=course)
        if t1 == 125:
            values.update(flaps=0, throttle=85, n1=88, hdg=20)
        if t1 == 150:
            values.update(vs=0, hdg=20)
        lines.append(at(t1, **values))
    lines.append("")
    return "\n".join(lines)


def cruise_script():
    """From the climb-out: up to FL200 and along the coast to 60 km south of New Chitose,
    level (45 min; the sample flight runs it faster than real time)."""
    end = (42.25, 141.95)
    mid = (38.80, 141.40)
    return "\n".join([
        "# Climb to FL200 and cruise north along the Pacific coast toward New Chitose.",
        at(0, lat="here", lon="here", alt=3500, agl=3479, hdg="here", ias=235, tas=245, gs=245, vs=1500, onground=0,
           gear=0, flaps=0, throttle=85, n1=88),
        at(60, hdg=25, vs=2500, ias=250, tas=270, gs=270),
        at(600, lat=37.10, lon=140.95, alt=20000, agl=19900, hdg=15, ias=290, tas=400, gs=420, mach=0.66, vs=0,
           throttle=80, n1=84, temp=-20, dew=-30, wind_dir=250, wind_speed=40, turbulence=0),
        at(1500, lat=mid[0], lon=mid[1], alt=20000, agl=19990, hdg=12, ias=290, tas=400, gs=440),
        at(1800, turbulence=40),
        at(1950, turbulence=0),
        at(2700, lat=end[0], lon=end[1], alt=20000, agl=19990, hdg=5, ias=290, tas=400, gs=440, mach=0.66, vs=0,
           fuel=45),
        "",
    ])


def approach_script():
    """From the cruise: the descent past New Chitose to the east, the turn onto the final
    of 18R, the localiser and glideslope alive (raw writes of the needles and the nav
    flag), flaps and gear, down the glideslope to 4 nm and 1600 ft above the field."""
    r_lat, r_lon, course = ARRIVAL_RUNWAY
    elev = 82
    downwind = (42.95, 141.85)
    base = (43.03, 141.75)
    iaf = moved(r_lat, r_lon, course + 180, 10 * 1852)
    fix = moved(r_lat, r_lon, course + 180, 4.2 * 1852)
    return "\n".join([
        "# Descent and ILS approach to New Chitose 18R, down to 4 nm and 1600 ft above the field.",
        at(0, lat="here", lon="here", alt=20000, agl=19990, hdg="here", ias=290, tas=400, gs=440, vs=0, onground=0,
           gear=0, flaps=0, throttle=80, n1=84),
        at(20, vs=-2200, throttle=30, n1=45, ias=280),
        # The flaps stay up until the downwind, at 250 kt.
        at(300, lat=downwind[0], lon=downwind[1], alt=9000, agl=8900, hdg=5, ias=250, tas=280, gs=290, vs=-2000,
           temp=2, dew=-3, wind_dir=200, wind_speed=12, sfc_wind_dir=190, sfc_wind_speed=8, mach=0.45, flaps=0),
        at(420, lat=base[0], lon=base[1], alt=5000, agl=4900, hdg=300, ias=220, tas=235, gs=235, vs=-1500, flaps=15),
        at(480, lat=iaf[0], lon=iaf[1], alt=elev + 3200, agl=3200, hdg=course, ias=190, tas=200, gs=195, vs=-400,
           flaps=30, gear=0, raw_3300_2=64, raw_0C48_1=60),
        at(500, raw_0C49_1=5, gear=1),
        at(520, ias=170, tas=178, gs=172, flaps=60, vs=-900),
        at(545, lat=fix[0], lon=fix[1], alt=elev + 1600, agl=1600, hdg=course, ias=150, tas=156, gs=150, vs=-800,
           flaps=100, throttle=45, n1=55),
        "",
    ])


def landing_script():
    """From 4 nm out: the last 1600 ft with the height calls, the touchdown on 18R with the
    spoilers and the reverse, the roll-out, and the taxi to the gate (about 5 min)."""
    r_lat, r_lon, course = ARRIVAL_RUNWAY
    elev = 82
    g_lat, g_lon, g_hdg = ARRIVAL_GATE
    flare = moved(r_lat, r_lon, course, 100)
    touch = moved(r_lat, r_lon, course, 400)
    rollout = roll(touch[0], touch[1], course, [(0, 140), (20, 90), (32, 60), (45, 20)])
    exit_point = moved(rollout[-1][1], rollout[-1][2], course - 90, 150)
    lines = [
        "# Landing on New Chitose 18R: the height calls, touchdown, spoilers and reverse, the roll-out "
        "and the taxi to the gate.",
        at(0, lat="here", lon="here", alt=elev + 1600, agl=1600, hdg=course, ias=150, tas=156, gs=150, vs=-1000,
           onground=0, gear=1, flaps=100, spoiler=0, throttle=40, n1=50),
        at(90, lat=flare[0], lon=flare[1], alt=elev + 50, agl=50, ias=142, tas=146, gs=140, vs=-700),
        at(97, alt=elev + 6, agl=6, vs=-250, throttle=0, n1=30, ias=138, tas=141, gs=138),
        # The reverse only after the touchdown.
        at(99, lat=touch[0], lon=touch[1], alt=elev + 1, agl=1, onground=1, vs=0, ias=136, tas=138, gs=136,
           throttle=0, n1=30),
        at(100, alt=elev, agl=0, spoiler=100),
        at(101, throttle=-25, n1=70),
    ]
    for t, lat, lon, kt in rollout[1:]:
        values = dict(lat=lat, lon=lon, gs=kt, ias=kt, tas=kt)
        if t == 32:
            values.update(throttle=0, n1=30, flaps=100)  # the landing flaps held until 60 kt
        if t == 45:
            values.update(spoiler=0, flaps=0, throttle=8, n1=28, raw_0C48_1=0, raw_0C49_1=0, raw_3300_2=0)
        lines.append(at(99 + t, **values))
    lines += [
        at(170, lat=exit_point[0], lon=exit_point[1], hdg=course - 90, gs=15, ias=15, tas=15),
        at(290, lat=g_lat, lon=g_lon, hdg=g_hdg, gs=20, ias=20, tas=20),
        at(300, gs=0, ias=0, tas=0, throttle=0, n1=22),
        at(330, n1=0),
        "",
    ]
    return "\n".join(lines)


FLIGHT_STAGES = {
    "flight/parked-at-gate.txt": parked_script,
    "flight/taxi-out.txt": taxi_out_script,
    "flight/takeoff.txt": takeoff_script,
    "flight/cruise.txt": cruise_script,
    "flight/approach.txt": approach_script,
    "flight/landing.txt": landing_script,
}


def speak(out, voice, text):
    """Japanese read by espeak-ng, trimmed of its leading and trailing silence."""
    def write(tmp):
        raw = tmp.with_suffix(".raw.wav")
        try:
            run(["espeak-ng", "-v", voice, "-s", "210", "-w", str(raw), text])
            run(["sox", str(raw), "-r", str(RATE), "-c", "1", "-b", "16", str(tmp), "silence", "1", "0.02", "0.5%",
                 "reverse", "silence", "1", "0.02", "0.5%", "reverse", "pad", "0.05", "0.08"])
        finally:
            raw.unlink(missing_ok=True)
    replace_into(out, write)


def radio(out, text):
    def write(tmp):
        voice = tmp.with_suffix(".v.wav")
        squelch = tmp.with_suffix(".s.wav")
        try:
            run(["espeak-ng", "-v", "en-us", "-s", "175", "-w", str(voice), text])
            run(["sox", str(voice), "-r", str(RATE), "-c", "1", "-b", "16", str(voice.with_suffix(".f.wav")),
                 "highpass", "400", "lowpass", "2800", "overdrive", "6", "gain", "-4"])
            run(["sox", "-n", "-r", str(RATE), "-c", "1", "-b", "16", str(squelch), "synth", "0.15", "whitenoise",
                 "band", "1500", "1000", "fade", "0", "0.15", "0.05", "gain", "-14"])
            run(["sox", str(voice.with_suffix(".f.wav")), str(squelch), str(tmp)])
        finally:
            for p in (voice, voice.with_suffix(".f.wav"), squelch):
                p.unlink(missing_ok=True)
    replace_into(out, write)


def effect(out, args):
    replace_into(out, lambda tmp: run(["sox", "-n", "-r", str(RATE), "-c", "1", "-b", "16", str(tmp)] + args.split()))


def silent_copy(out, start):
    """A silent recording exactly as long as `start` (a file of the same folder)."""
    replace_into(out, lambda tmp: run(["sox", str(out.parent / Path(start).name), str(tmp), "vol", "0"]))


def midi_file(program, bpm, roots):
    """A format-0 MIDI file: an arpeggio over each chord root, then the chord held."""
    division = 480
    events = [(0, bytes([0xFF, 0x51, 0x03]) + (60_000_000 // bpm).to_bytes(3, "big")),
              (0, bytes([0xC0, program]))]
    for root in roots:
        chord = [root, root + (3 if root % 12 in (9, 2, 11) else 4), root + 7, root + 12]
        for note in chord:  # four eighth notes
            events.append((0, bytes([0x90, note, 80])))
            events.append((division // 2, bytes([0x80, note, 0])))
        for note in chord[:3]:
            events.append((0, bytes([0x90, note - 12, 64])))
        events.append((division * 2, bytes([0x80, chord[0] - 12, 0])))
        events.append((0, bytes([0x80, chord[1] - 12, 0])))
        events.append((0, bytes([0x80, chord[2] - 12, 0])))
    events.append((0, bytes([0xFF, 0x2F, 0x00])))

    def vlq(n):
        out = [n & 0x7F]
        n >>= 7
        while n:
            out.insert(0, (n & 0x7F) | 0x80)
            n >>= 7
        return bytes(out)
    track = b"".join(vlq(delta) + data for delta, data in events)
    return (b"MThd" + struct.pack(">IHHH", 6, 0, 1, division) + b"MTrk" + struct.pack(">I", len(track)) + track)


def note_hz(name):
    """A note name such as "C3" or "F#2" as its frequency."""
    semitone = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}[name[0]] + name.count("#")
    return 440.0 * 2 ** ((semitone + 12 * (int(name[-1]) - 4)) / 12)


def mp3_track(out, roots):
    """Plucked chords, two seconds each (minor on A, D and E, major on the others)."""
    def write(tmp):
        chord_wav = tmp.with_suffix(".c.wav")
        wav = tmp.with_suffix(".w.wav")
        effects = []
        for root in roots:
            hz = note_hz(root)
            third = 3 if root[0] in "ADE" else 4
            tones = [hz, hz * 2 ** (third / 12), hz * 2 ** (7 / 12), hz * 2]
            effects += [":", "synth", "2"] + [x for f in tones for x in ("pluck", f"{f:.2f}")] + ["fade", "0", "2", "0.3"]
        try:
            run(["sox", "-n", "-r", str(RATE), "-c", "4", "-b", "16", str(chord_wav)] + effects[1:])
            run(["sox", str(chord_wav), "-c", "2", str(wav), "reverb", "30", "gain", "-n", "-3"])
            run(["lame", "--quiet", "-b", "96", str(wav), str(tmp)])
        finally:
            for p in (wav, chord_wav):
                p.unlink(missing_ok=True)
    replace_into(out, write)


def copy_if_changed(src, dst):
    """Copies with the source's time stamp; a copy of the same size and time is kept."""
    s = src.stat()
    if dst.exists() and dst.stat().st_size == s.st_size and dst.stat().st_mtime_ns == s.st_mtime_ns:
        return False
    # A program that is running keeps its old file; the new one takes its name.
    replace_into(dst, lambda tmp: shutil.copy2(src, tmp))
    return True


def data_files():
    """Every data file of the installation: (relative path, maker, maker's arguments)."""
    files = [
        ("空港db.csv", lambda out: write_cp932_lines(out, airport_lines())),
        ("会社db.csv", lambda out: write_cp932_lines(out, airline_lines())),
        ("VexlorPro.cfg", lambda out: write_cp932_lines(out, settings_lines())),
    ]
    for relative, script in FLIGHT_STAGES.items():
        files.append((relative, lambda out, make=script: replace_into(
            out, lambda tmp: tmp.write_text(make(), encoding="utf-8"))))
    for relative, (voice, text) in {**lobby_voices(), **cabin_voices(), **cockpit_voices(), **captain_voices(), **welcome_voices(),
                                    **ground_voices(), **inflight_voices(), **callout_voices()}.items():
        files.append((relative, speak, voice, text))
    for relative, args_text in {**EFFECTS, **CALLOUT_EFFECTS}.items():
        files.append((relative, effect, args_text))
    for channel, texts in ATC.items():
        for i, text in enumerate(texts, start=1):
            files.append((f"atc/{channel}/{channel}{i:02d}.wav", radio, text))
    for name, (program, bpm, roots) in MIDI_SONGS.items():
        data = midi_file(program, bpm, roots)
        files.append((f"midi/{name}", lambda out, d=data: replace_into(out, lambda tmp: tmp.write_bytes(d))))
    for name, roots in MP3_TRACKS.items():
        files.append((f"mp3/{name}", mp3_track, roots))
    # Last: made once their start sounds are there.
    for relative, start in CALLOUT_SILENT_COPIES.items():
        files.append((relative, silent_copy, start))
    return files


def main():
    parser = argparse.ArgumentParser(description="Makes the sample installation.")
    parser.add_argument("--build", default="build", help="build folder holding bin/ (default: build)")
    parser.add_argument("--data-only", action="store_true", help="everything but the programs")
    parser.add_argument("--list", action="store_true",
                        help="only print the data files' paths under the installation folder, one a line")
    parser.add_argument("--tables-only", action="store_true", help="only the airport and airline tables")
    parser.add_argument("base", nargs="?", default="sample", help="installation folder (default: sample)")
    args = parser.parse_args()
    base = Path(args.base).resolve()
    bindir = Path(args.build).resolve() / "bin"

    if args.list:
        sys.stdout.buffer.write("".join(f"{relative}\n" for relative, *_ in data_files()).encode("utf-8"))
        return
    if args.tables_only:
        for relative, make, *make_args in data_files()[:2]:
            make(base / relative, *make_args)
        return

    for tool in ("espeak-ng", "sox", "lame"):
        if not shutil.which(tool):
            sys.exit(f"make-sample: {tool} is missing (scripts/setup.sh installs it)")

    copied = []
    for program in () if args.data_only else ("VexlorPro", "VexlorEXP", "Ocumo"):
        src = bindir / program
        if not src.exists():
            sys.exit(f"make-sample: {src} is missing; build first")
        if copy_if_changed(src, base / "ExePro" / program):
            copied.append(program)
    board = bindir / "vovu-standin"
    if not args.data_only and board.exists() and copy_if_changed(board, base / "vovu030" / "Vovu"):
        copied.append("vovu030/Vovu")

    jobs = [(make, base / relative, make_args) for relative, make, *make_args in data_files()
            if outdated(base, relative)]
    (base / "FlightReport").mkdir(parents=True, exist_ok=True)

    failures = []
    def make_all(batch):
        with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() or 2) as pool:
            futures = {pool.submit(make, out, *make_args): out for make, out, make_args in batch}
            for future in concurrent.futures.as_completed(futures):
                try:
                    future.result()
                except subprocess.CalledProcessError as e:
                    failures.append(
                        f"{futures[future]}: {' '.join(e.cmd[:2])} failed: {e.stderr.decode(errors='replace')}")
    # The silent copies after their start sounds.
    make_all([job for job in jobs if job[0] is not silent_copy])
    make_all([job for job in jobs if job[0] is silent_copy])
    if failures:
        sys.exit(f"make-sample: {len(failures)} files failed, the first:\n" + "\n".join(failures[:3]))
    print(f"make-sample: {base} ({len(jobs)} files made" + (f", {', '.join(copied)} copied" if copied else "") + ")")


if __name__ == "__main__":
    main()
