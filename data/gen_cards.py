#!/usr/bin/env python3
"""Writes the sample card list data/kestrava.csv and src/catalogue/illustrators.txt.

Standard library only and seeded, so a rerun gives byte-identical files.
Run from anywhere:  python3 data/gen_cards.py
Every card and person here is made up for the sample list.
"""

import random
import re
import sys
from collections import Counter
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
CSV_PATH = ROOT / "data" / "kestrava.csv"
ILLUSTRATORS_PATH = ROOT / "src" / "catalogue" / "illustrators.txt"
SEED = 20250611

# Kept in display order; check_illustrators() fails loudly if an edit breaks it.
ILLUSTRATORS = [
    # Latin letters, alphabetical ignoring case and full-/half-width.
    "Aria Velden", "Arne Holt", "Bram Oskel", "Corin Hale", "Dela Murro",
    "Fenna Lork", "Gil Tamsin", "Hollis Reed", "Kasimir Dune", "Lune Arvo",
    "nolo", "Odile Fenn", "ＲＩＮＯ", "ｔａｍａ", "Wren Ashby",
    # Kana, gojuon order with katakana read as hiragana.
    "あおい ゆら", "イツキ", "うたかた", "ガラン", "きりの", "サクヤ",
    "すずらん", "ツバメ", "なぎ", "ハルカゼ", "みお", "ユキムラ",
    # Kanji, by their Shift-JIS bytes.
    "岡 ひなた", "加賀 蒼", "菊地 柚", "吉永 灯里", "橋本 陽", "工藤 栞",
    "江口 凪", "高梨 渚", "黒川 颯", "佐野 蛍", "斎藤 紬", "坂口 凛",
    "三浦 琴", "山科 糸", "寺島 航", "柴田 玄", "若林 鷹", "十河 朔",
    "杉浦 晴", "瀬川 匠", "星野 鈴", "西条 亘", "青木 透", "石原 灯",
    "千葉 悠", "前田 遼", "村瀬 暁", "大森 千尋", "竹内 環", "中園 柊",
    "辻 詩織", "土井 雪", "藤崎 結", "内田 楓", "日向 奏", "白石 雫",
    "浜田 碧", "霧島燈", "野口 葵", "鷲尾 迅",
]
ILLUSTRATOR_COUNT = 67
# Two names with no cards, so the filter can come up empty.
IDLE_ILLUSTRATORS = ["Hollis Reed", "山科 糸"]


def fail(message):
    sys.exit("gen_cards.py: " + message)


def _fold_width(ch):
    if "\uff01" <= ch <= "\uff5e":
        return chr(ord(ch) - 0xFEE0)
    return ch


def _group(name):
    first = _fold_width(name[0])
    if first.isascii() and first.isalpha():
        return 0
    if "\u3041" <= first <= "\u3096" or "\u30a1" <= first <= "\u30f6":
        return 1
    if "\u4e00" <= first <= "\u9fff":
        return 2
    fail(f"illustrator {name!r} starts with neither a Latin letter, kana nor kanji")


def _order_key(name):
    group = _group(name)
    if group == 0:
        return (group, "".join(_fold_width(c) for c in name).lower())
    if group == 1:
        return (group, "".join(chr(ord(c) - 0x60) if "\u30a1" <= c <= "\u30f6" else c
                               for c in name))
    return (group, name.encode("cp932"))


def check_illustrators(names):
    if len(names) != ILLUSTRATOR_COUNT:
        fail(f"{len(names)} illustrators, expected {ILLUSTRATOR_COUNT}")
    if len(set(names)) != len(names):
        fail("duplicate illustrator name")
    for name in names:
        name.encode("cp932")  # raises if a name cannot be stored
        if not name or name != name.strip() or "  " in name or "," in name or '"' in name:
            fail(f"bad illustrator name {name!r}")
    keys = [_order_key(n) for n in names]
    for (a, ka), (b, kb) in zip(zip(names, keys), zip(names[1:], keys[1:])):
        if ka[0] > kb[0] or (ka[0] == kb[0] and ka[1] >= kb[1]):
            fail(f"illustrators out of order: {a!r} before {b!r}\n"
                 f"expected order: {sorted(names, key=_order_key)}")


# ---------------------------------------------------------------- card content

UNIT_TYPES = ["英雄", "指揮官", "兵力", "配下"]
TYPE_PLAN = [("英雄", 8), ("指揮官", 10), ("兵力", 16), ("配下", 12),
             ("戦法", 10), ("計略", 9), ("城", 7)]

FACTIONS = {
    "C": dict(
        prefixes=["白銀", "金獅子", "聖堂", "暁", "王都", "鋼盾", "碧旗"],
        subtypes={"騎兵": 4, "歩兵": 4, "弓兵": 2, "僧兵": 2, "機工": 1},
        people=["リオナ", "ヴァルド", "セレスタ", "エドラン", "カーシャ", "ミルダ",
                "ロウェナ", "ベルトラン", "アルマ", "ユーディ", "ガルデン", "フィオラ"],
        places=["銀嶺", "獅子ヶ丘", "聖鐘", "金環", "暁光", "王冠", "白壁"],
        flavour=["王冠に誓いを。剣に誇りを。", "盾は仲間のためにある。",
                 "「陣を崩すな！前へ！」", "白銀の鎧は朝日を映す。",
                 "十の旗が城壁に並ぶ。", "王の言葉は鐘より遠くへ響く。"],
    ),
    "D": dict(
        prefixes=["黄昏", "宵闇", "黒曜", "月蝕", "墓守", "灰色", "夜鳴き"],
        subtypes={"死霊": 4, "魔導": 3, "歩兵": 2, "忍": 1, "獣": 1},
        people=["ノクト", "ザイラス", "ヘルガ", "モルディス", "ラシェル", "キリエ",
                "ヴェスパ", "セルヴァ", "ドラン", "マルセ", "ネフェル", "オルヴァ"],
        places=["月蝕", "黒沼", "骨灰", "宵鳴", "墓標", "影落", "冥府"],
        flavour=["夕暮れは終わりではない。", "死者は命令に逆らわない。",
                 "「月が欠ける夜、門は開く」", "表と裏、どちらも真実。",
                 "灯りが消えたら、振り返るな。", "骨は語らず、ただ進む。"],
    ),
    "E": dict(
        prefixes=["紅蓮", "灼熱", "燼", "焔", "赤砂", "火山", "熾火"],
        subtypes={"竜": 4, "騎兵": 2, "魔導": 2, "歩兵": 2, "機工": 2},
        people=["フェルナ", "グラウス", "ザルファ", "イグニア", "ボルカ", "カイゼリオ",
                "ルベラ", "ティオス", "ブラント", "アシュカ", "ヴォルナ", "エンバ"],
        places=["紅炉", "灰峰", "溶岩", "焔谷", "赤砂", "熔鉄", "陽炎"],
        flavour=["灰の中から、再び火は昇る。", "竜の吐息は鉄をも溶かす。",
                 "「燃やせ！何もかも！」", "炉の火は決して絶やすな。",
                 "熱砂の果てに竜の巣がある。", "能ある竜は炎を隠す。"],
    ),
    "G": dict(
        prefixes=["翠", "古樹", "若葉", "森羅", "苔", "鹿角", "木霊"],
        subtypes={"獣": 4, "弓兵": 3, "精霊": 3, "歩兵": 1, "騎兵": 1},
        people=["エルネ", "シルヴァ", "トゥリオ", "フィンネ", "ラウレル", "ミュリエ",
                "オークス", "ナディエ", "ユグネ", "ピアラ", "コルヌ", "リーフェ"],
        places=["翠蓋", "苔石", "鹿角", "樹海", "若芽", "古根", "木漏れ日"],
        flavour=["森は忘れない。", "一本の矢が、百の葉を揺らす。",
                 "「獣の声を聞け」", "根は深く、枝は高く。",
                 "ソヨ風に精霊が笑う。", "苔むした石にも名がある。"],
    ),
    "M": dict(
        prefixes=["霧", "蒼海", "潮", "朧", "氷", "霞", "深淵"],
        subtypes={"水兵": 4, "忍": 3, "竜": 2, "魔導": 2, "弓兵": 1},
        people=["紫苑", "霞丸", "冬馬", "ネーヴェ", "ミズハ", "ウルグ",
                "ソラン", "ティエラ", "ナギサ", "アマネ", "マリネル", "汐音"],
        places=["霧笛", "潮見", "氷湖", "朧橋", "蒼波", "深淵", "霞港"],
        flavour=["霧の向こうに、誰かが待つ。", "潮は必ず満ちる。",
                 "「音を立てるな。影になれ」", "氷の海に沈んだ王国がある。",
                 "見えぬ刃こそ最も鋭い。", "波は千の顔を持つ。"],
    ),
}

COMMON_FLAVOUR = [
    "勝敗は剣を抜く前に決まっている。", "地図にない道を行け。",
    "誰もが英雄になれるわけではない。", "「今日の敵は明日の盟友かもしれぬ」",
    "旗が折れても、歌は残る。", "最後に立っていた者が正しい。",
    "伝令の足は剣より速い。", "雨の日の行軍ほど辛いものはない…",
]

HERO_ROLES = ["剣姫", "騎士", "魔女", "王子", "賢者", "狩人", "巫女", "竜王",
              "覇者", "剣聖", "弓姫", "女王", "聖女", "魔剣士"]
COMMANDER_RANKS = ["将軍", "副官", "隊長", "軍師", "提督", "参謀", "団長", "大将", "師団長"]
RETAINERS = ["従者", "伝令", "見習い", "旗手", "鷹匠", "書記", "薬師", "鍛冶師",
             "斥候", "小姓", "番兵", "密偵", "案内人", "語り部", "料理番"]
SUBTYPE_NOUNS = {
    "騎兵": ["槍騎兵", "重騎兵", "軽騎兵", "騎士団", "突撃騎兵", "斥候騎兵"],
    "歩兵": ["長槍隊", "盾兵", "剣士隊", "衛兵", "重装歩兵", "斧兵"],
    "弓兵": ["弓兵隊", "長弓手", "弩兵", "射手", "狙撃手"],
    "魔導": ["魔導師", "術士", "呪術師", "星読み", "結界師"],
    "竜": ["飛竜", "火竜", "幼竜", "竜騎兵", "翼竜"],
    "獣": ["大狼", "角獣", "戦熊", "大猪", "山猫"],
    "精霊": ["精霊", "樹精", "風精", "灯火の精"],
    "死霊": ["骸骨兵", "亡霊", "屍鬼", "怨霊騎士"],
    "忍": ["忍び", "影法師", "隠密", "夜襲隊"],
    "水兵": ["水兵", "海賊", "銛打ち", "船乗り"],
    "僧兵": ["僧兵", "修道士", "巡礼者"],
    "機工": ["機工兵", "自動人形", "投石機", "鉄騎"],
    "": ["義勇兵", "傭兵団", "民兵"],
}
TACTICS = ["急襲", "一斉射撃", "背水の陣", "突破口", "盾の壁", "火矢の雨", "夜討ち",
           "挟撃", "陽動", "追撃", "鬨の声", "乱れ撃ち", "槍衾", "迂回進軍", "反転攻勢",
           "鉄壁の守り", "疾風の進軍", "決死の突撃", "包囲殲滅", "逆茂木", "霧中行軍",
           "焦土の炎", "隊列変換", "一騎討ち", "殿軍"]
STRATAGEMS = ["偽りの使者", "兵糧攻め", "離間の計", "流言", "毒の盃", "内通", "空城の計",
              "暗殺指令", "買収", "密書", "偽報", "同盟の誓い", "徴兵令", "補給路遮断",
              "間者の報せ", "呪縛の儀", "封印の札", "月下の密約", "人質交換", "水攻め"]
CASTLE_WORDS = ["城", "砦", "城塞", "要塞", "関", "塔", "宮殿"]

# First card of a faction and type takes one of these, so the list has
# half-width katakana, full-width tilde/dash and a name at the 60-byte limit.
LONG_NAME = "蒼霧深き北の果ての谷に眠りし古の大海竜王ヴァルゼリオン"
EDGE_NAMES = {
    ("C", "兵力"): ["王冠－第三軍団"],
    ("C", "城"): ["ﾘﾝﾄﾞﾙﾑ砦"],
    ("D", "兵力"): ["ｸﾛｳﾅｲﾄ"],
    ("D", "戦法"): ["月影～宵の歌～"],
    ("E", "配下"): ["燼のｺﾞｰﾚﾑ"],
    ("G", "配下"): ["ｶﾞｰﾃﾞｨｱﾝ"],
    ("M", "英雄"): [LONG_NAME],
}
EDGE_SUBTYPES = {"ｸﾛｳﾅｲﾄ": "死霊", "燼のｺﾞｰﾚﾑ": "機工", "ｶﾞｰﾃﾞｨｱﾝ": "精霊", LONG_NAME: "竜"}

UNIT_TEXTS = [
    "出撃時、カードを{n}枚引く。",
    "このユニットが攻撃する時、攻撃力+{n}。",
    "隣接する味方ユニットの防御力+{n}。",
    "戦闘に勝利した時、相手は手札を{n}枚捨てる。",
    "突撃を持つ味方ユニットの速度+{n}。",
    "このユニットは計略の対象にならない。",
    "出撃時、相手の城に{n}点の損害を与える。",
    "味方の{sub}すべての攻撃力+{n}。",
    "このユニットが破壊された時、山札から{sub}を1枚手札に加える。",
    "維持コストを支払わずに出撃できる。",
    "伏兵：相手の攻撃宣言時に場に出してよい。",
    "索敵：出撃時、相手の手札を{n}枚見る。",
    "側面から攻撃する時、相手の防御力を無視する。",
    "ターン終了時、防御力を{n}回復する。",
    "反撃時、与える損害が{n}増える。",
    "このユニットは陣形の先頭にしか配置できない。",
    "指揮官がいる間、このユニットの攻撃力+{n}。",
    "自分の城が{n}枚以上ある時、速度+1。",
    "略奪に成功した時、資源を{n}得る。",
]
LEADER_TEXTS = [
    "味方の兵力すべての攻撃力と防御力+1。",
    "各ターンに一度、戦法を{n}枚手札に戻してよい。",
    "このカードが場にある限り、陣形を変更できる。",
    "出撃時、配下を{n}体まで場に出してよい。",
    "指揮下の{sub}が攻撃する時、速度+{n}。",
    "このカードが破壊された時、味方の士気は{n}下がる。",
]
TACTIC_TEXTS = [
    "味方ユニット1体の攻撃力をこのターン+{n}する。",
    "相手ユニット1体に{n}点の損害を与える。",
    "このターン、味方ユニットすべてが突撃を得る。",
    "味方ユニット{n}体を陣形の別の位置へ動かす。",
    "このターン、相手の反撃は発生しない。",
    "射撃を持つ味方ユニットの射撃値+{n}。",
    "戦闘中のユニット1体を持ち主の手札に戻す。",
    "このターン、味方の防御力+{n}。",
]
STRATAGEM_TEXTS = [
    "相手の計略を1枚無効にする。",
    "相手の手札を見て{n}枚選び、捨てさせる。",
    "相手の城1枚の耐久を{n}減らす。",
    "山札からカードを{n}枚引き、1枚捨てる。",
    "次の相手ターン、相手は出撃できない。",
    "相手ユニット1体の維持コストを+{n}する。",
    "自分の捨て札から戦法を1枚手札に加える。",
    "相手の配下1体のコントロールを得る。",
]
CASTLE_TEXTS = [
    "自軍の兵力の防御力+{n}。",
    "ターン開始時、耐久を{n}回復する。",
    "攻城を持つユニットからの損害を{n}減らす。",
    "このカードがある限り、手札の上限+{n}。",
    "味方の弓兵の射撃値+{n}。",
    "自分のターン開始時、資源を{n}得る。",
    "城が攻撃された時、伏兵を1体場に出してよい。",
]

FORMATIONS = ["烏合陣形", "密集陣形", "紡錘陣形", "包囲陣形", "機動陣形"]
# 3x3, front row first; 1 = soldier, 2 = commander. The rabble formation is random.
FORMATION_GRIDS = {
    "密集陣形": ["111121111", "111111121", "011121110"],
    "紡錘陣形": ["010121010", "010111020", "020111010"],
    "包囲陣形": ["121101111", "111101121", "111201111"],
    "機動陣形": ["000121000", "111000020", "100121001"],
}
NUMBER_COLUMNS = [5, 6, 9, 14, 15, 16, 20, 21, 22, 23]  # 1-based
COLUMN_COUNT = 31


class Picker:
    """Hands out list entries without repeats until the list runs dry."""

    def __init__(self, rng, items):
        self.rng, self.items, self.left = rng, list(items), []

    def next(self):
        if not self.left:
            self.left = list(self.items)
            self.rng.shuffle(self.left)
        return self.left.pop()


def make_grid(rng, formation):
    if formation != "烏合陣形":
        return rng.choice(FORMATION_GRIDS[formation])
    cells = ["0"] * 9
    spots = rng.sample(range(9), rng.randint(4, 6))
    for spot in spots:
        cells[spot] = "1"
    cells[spots[0]] = "2"
    return "".join(cells)


def weighted(rng, table):
    keys = list(table)
    return rng.choices(keys, weights=[table[k] for k in keys])[0]


def fill_text(rng, template, subtype):
    return template.format(n=rng.randint(1, 3), sub=subtype or "兵力")


def make_name(rng, letter, kind, subtype, used, pickers):
    edge_names = EDGE_NAMES.get((letter, kind))
    if edge_names:
        name = edge_names.pop(0)
        if name not in used:
            return name
    faction = FACTIONS[letter]
    for attempt in range(200):
        prefix = rng.choice(faction["prefixes"])
        if kind == "英雄":
            name = f"{prefix}の{rng.choice(HERO_ROLES)}{pickers['people'].next()}"
        elif kind == "指揮官":
            name = f"{rng.choice(COMMANDER_RANKS)}{pickers['people'].next()}"
            if attempt or rng.random() < 0.5:
                name = f"{prefix}の{name}"
        elif kind == "兵力":
            noun = rng.choice(SUBTYPE_NOUNS[subtype])
            name = f"{prefix}の{noun}" if rng.random() < 0.7 else prefix + noun
        elif kind == "配下":
            name = f"{prefix}の{rng.choice(RETAINERS)}"
        elif kind == "戦法":
            name = pickers["tactics"].next()
            if name in used:
                name = f"{prefix}の{name}"
        elif kind == "計略":
            name = pickers["stratagems"].next()
            if name in used:
                name = f"{prefix}の{name}"
        else:
            name = rng.choice(faction["places"]) + rng.choice(CASTLE_WORDS)
        if name not in used:
            return name
    fail(f"ran out of names for {letter} {kind}")


def make_card(rng, letter, number, kind, used, pickers):
    faction = FACTIONS[letter]
    unit = kind in UNIT_TYPES
    c = dict(code=f"{letter}-{number:03d}", kind=kind, subtype="", upkeep=0, sortie="0",
             charge="", trample="", counter="", shooting=0, siege=0, plunder=0,
             upper="", lower="", stats="", attack=0, defense=0, speed=0, gear=0,
             castle="", f1="", g1="", f2="", g2="", ambush="", scout="", flank="")
    if unit:
        c["subtype"] = weighted(rng, faction["subtypes"]) if rng.random() > 0.06 else ""
    c["name"] = make_name(rng, letter, kind, c["subtype"], used, pickers)
    c["subtype"] = EDGE_SUBTYPES.get(c["name"], c["subtype"])
    used.add(c["name"])

    if unit:
        low, high = {"英雄": (4, 9), "指揮官": (2, 7), "兵力": (2, 8), "配下": (1, 5)}[kind]
        c["attack"] = rng.randint(low, high)
        c["defense"] = rng.randint(max(1, low - 1), high)
        c["speed"] = rng.randint(1, 5 if kind != "配下" else 4)
        c["cost_value"] = min(7, max(1, (c["attack"] + c["defense"]) // 3 + rng.randint(-1, 1)))
        c["cost_symbols"] = min(3, c["cost_value"], rng.randint(1 if kind == "英雄" else 0, 3))
        c["upkeep"] = {"英雄": rng.randint(1, 3), "指揮官": rng.choice([0, 0, 1, 2])}.get(
            kind, 1 if rng.random() < 0.15 else 0)
        c["sortie"] = rng.choices(["0", "1", "2", "3", "4"], weights=[1, 4, 4, 2, 1])[0]
        c["stats"] = rng.choices(["戦力", "部隊", ""], weights=[5, 3 if kind == "兵力" else 1, 2])[0]
        for key, word in (("charge", "突撃"), ("trample", "蹂躙"), ("counter", "反撃"),
                          ("ambush", "伏兵"), ("scout", "索敵"), ("flank", "側面")):
            if rng.random() < 0.15:
                c[key] = word
        c["shooting"] = rng.choice([1, 1, 2, 3]) if rng.random() < 0.15 else 0
        c["siege"] = rng.choice([1, 1, 2, 3]) if rng.random() < 0.12 else 0
        c["plunder"] = rng.choice([1, 1, 2]) if rng.random() < 0.12 else 0
        if kind in ("英雄", "指揮官") and rng.random() < 0.6:
            c["upper"] = fill_text(rng, rng.choice(LEADER_TEXTS), c["subtype"])
        elif rng.random() < 0.75:
            c["upper"] = fill_text(rng, rng.choice(UNIT_TEXTS), c["subtype"])
        # Rules text that names a keyword should match its column.
        for key, word in (("ambush", "伏兵："), ("scout", "索敵："), ("flank", "側面から")):
            if c["upper"].startswith(word):
                c[key] = word[:2]
        if rng.random() < 0.5:
            c["f1"] = rng.choice(FORMATIONS)
            c["g1"] = make_grid(rng, c["f1"])
    elif kind == "城":
        c["cost_value"] = rng.randint(0, 2)
        c["cost_symbols"] = 0
        c["defense"] = rng.randint(3, 8)
        c["gear"] = rng.randint(1, 5)
        c["castle"] = f"耐久{rng.choice([6, 8, 10, 10, 12, 15])}"
        if rng.random() < 0.2:
            c["castle"] += rng.choice(["・堀", "・櫓", "・城門"])
        c["shooting"] = 1 if rng.random() < 0.15 else 0
        c["upper"] = fill_text(rng, rng.choice(CASTLE_TEXTS), "")
    else:
        c["cost_value"] = rng.randint(1, 5)
        c["cost_symbols"] = min(2, c["cost_value"], rng.randint(0, 2))
        texts = TACTIC_TEXTS if kind == "戦法" else STRATAGEM_TEXTS
        c["upper"] = fill_text(rng, rng.choice(texts), "")
    if rng.random() < 0.7:
        c["lower"] = rng.choice(faction["flavour"] + COMMON_FLAVOUR)
    return c


def build_cards(rng):
    cards = []
    pickers = dict(tactics=Picker(rng, TACTICS), stratagems=Picker(rng, STRATAGEMS))
    used = set()
    for letter in FACTIONS:
        pickers["people"] = Picker(rng, FACTIONS[letter]["people"])
        kinds = [kind for kind, count in TYPE_PLAN for _ in range(count)]
        rng.shuffle(kinds)
        # Edge-case names go to the first card of their type, which may sit anywhere.
        cards += [make_card(rng, letter, i + 1, kind, used, pickers)
                  for i, kind in enumerate(kinds)]
    return cards


def assign_rarity(rng, cards):
    bias = {"英雄": 3.0, "指揮官": 1.5, "城": 0.8}
    for letter in FACTIONS:
        group = [c for c in cards if c["code"][0] == letter]
        group.sort(key=lambda c: -(bias.get(c["kind"], 0) + rng.random() * 2.5
                                   + (c["attack"] + c["defense"]) / 12))
        rare, uncommon = round(len(group) * 0.15), round(len(group) * 0.30)
        for i, c in enumerate(group):
            c["rarity"] = "Rare" if i < rare else "Uncommon" if i < rare + uncommon else "Common"


def assign_illustrators(rng, cards):
    active = [n for n in ILLUSTRATORS if n not in IDLE_ILLUSTRATORS]
    weights = [rng.randint(1, 4) for _ in active]
    pool = active * 2 + rng.choices(active, weights=weights, k=len(cards) - 2 * len(active))
    rng.shuffle(pool)
    for card, name in zip(cards, pool):
        card["illustrator"] = name


def add_edge_cases(rng, cards):
    units = [c for c in cards if c["kind"] in UNIT_TYPES and c["name"] not in EDGE_SUBTYPES]
    for c in rng.sample([c for c in units if c["kind"] == "配下"], 2):
        c["upkeep"] = -1
    for c in rng.sample(units, 3):
        c["sortie"] = ""
    for c in rng.sample([c for c in cards if c["kind"] != "城"], 4):
        c["gear"] = rng.randint(1, 3)  # stray values the program must not show

    with_f1 = [c for c in units if c["f1"]]
    for c in rng.sample([c for c in units if not c["f1"]], 3):
        c["f2"] = rng.choice(FORMATIONS)
        c["g2"] = make_grid(rng, c["f2"])
    # About a tenth of the first formations get a second; half of them end on
    # encircle or mobile after a different first one.
    picks = rng.sample(with_f1, max(10, len(with_f1) // 10))
    for i, c in enumerate(picks):
        if i % 2 == 0 and c["f1"] not in ("包囲陣形", "機動陣形"):
            choices = ["包囲陣形", "機動陣形"]
        else:
            choices = [f for f in FORMATIONS if f != c["f1"]]
        c["f2"] = rng.choice(choices)
        c["g2"] = make_grid(rng, c["f2"])


def card_columns(c):
    return [c["code"], c["name"], c["illustrator"], c["rarity"], c["cost_symbols"],
            c["cost_value"], c["kind"], c["subtype"], c["upkeep"], c["sortie"], c["charge"],
            c["trample"], c["counter"], c["shooting"], c["siege"], c["plunder"], c["upper"],
            c["lower"], c["stats"], c["attack"], c["defense"], c["speed"], c["gear"],
            c["castle"], c["f1"], c["g1"], c["f2"], c["g2"], c["ambush"], c["scout"],
            c["flank"]]


def render(cards):
    lines = []
    for c in cards:
        cols = [str(v) for v in card_columns(c)]
        assert len(cols) == COLUMN_COUNT
        lines.append("".join(col + "," for col in cols) + "\r\n")
    return "".join(lines).encode("cp932", errors="strict")


def verify_csv(data):
    """Re-reads the written bytes the way the program's loader will."""
    text = data.decode("cp932", errors="strict")
    if not text.endswith("\r\n"):
        fail("last line does not end with CR LF")
    lines = text[:-2].split("\r\n")
    codes, names = set(), set()
    illustrators = set(ILLUSTRATORS)
    rows = []
    for no, line in enumerate(lines, 1):
        if "\r" in line or "\n" in line or '"' in line:
            fail(f"line {no}: stray CR/LF or quote")
        if line.count(",") != COLUMN_COUNT or not line.endswith(","):
            fail(f"line {no}: {line.count(',')} commas")
        cols = line.split(",")[:-1]
        for i in NUMBER_COLUMNS:
            if not re.fullmatch(r"-?[0-9]+", cols[i - 1]) or not -32768 <= int(cols[i - 1]) <= 32767:
                fail(f"line {no}: column {i} is not a number: {cols[i - 1]!r}")
        code, name, ill, rarity, kind = cols[0], cols[1], cols[2], cols[3], cols[6]
        if code[:1] not in FACTIONS or " " in code or "　" in code or code in codes:
            fail(f"line {no}: bad or repeated code {code!r}")
        if len((code + " " + name).encode("cp932")) > 60:
            fail(f"line {no}: code and name longer than 60 bytes")
        if name in names:
            fail(f"line {no}: repeated name {name!r}")
        if ill not in illustrators:
            fail(f"line {no}: unknown illustrator {ill!r}")
        if rarity not in ("Rare", "Uncommon", "Common"):
            fail(f"line {no}: rarity {rarity!r}")
        if kind not in [k for k, _ in TYPE_PLAN]:
            fail(f"line {no}: type {kind!r}")
        upper, lower = cols[16], cols[17]
        if upper and not 10 <= len(upper) <= 45 or len(lower) > 40:
            fail(f"line {no}: text length {len(upper)}/{len(lower)}")
        for f, g in ((cols[24], cols[25]), (cols[26], cols[27])):
            if bool(f) != bool(g) or (f and (f not in FORMATIONS or not re.fullmatch(
                    r"[01]*2[01]*", g) or len(g) != 9)):
                fail(f"line {no}: formation {f!r} grid {g!r}")
        if (kind == "城") != bool(cols[23]) or (kind == "城") and not 1 <= int(cols[22]) <= 5:
            fail(f"line {no}: castle columns")
        codes.add(code)
        names.add(name)
        rows.append(cols)
    return rows


def summarise(rows):
    n = len(rows)
    faction = Counter(r[0][0] for r in rows)
    kinds = Counter(r[6] for r in rows)
    rarity = Counter(r[3] for r in rows)
    by_ill = Counter(r[2] for r in rows)
    f1 = Counter(r[24] for r in rows if r[24])
    f2 = Counter(r[26] for r in rows if r[26])
    checks = {
        "card count 340..380": 340 <= n <= 380,
        "castles >= 30": kinds["城"] >= 30,
        "all formations used": set(f1) == set(FORMATIONS),
        "second formation only": 2 <= sum(1 for r in rows if r[26] and not r[24]) <= 3,
        "encircle/mobile after another": sum(1 for r in rows if r[24] and r[26] in (
            "包囲陣形", "機動陣形") and r[24] not in ("包囲陣形", "機動陣形")) >= 2,
        "empty sortie 2..3": 2 <= sum(1 for r in rows if r[9] == "") <= 3,
        "every ability used": all(sum(1 for r in rows if r[i] not in ("", "0")) >= 3
                                  for i in (10, 11, 12, 13, 14, 15, 28, 29, 30)),
    }
    bad = [k for k, ok in checks.items() if not ok]
    if bad:
        fail("card list checks failed: " + ", ".join(bad))
    print(f"{n} cards")
    print("factions:", " ".join(f"{k}={faction[k]}" for k in FACTIONS))
    print("types:", " ".join(f"{k}={kinds[k]}" for k, _ in TYPE_PLAN))
    print("rarity:", " ".join(f"{k}={rarity[k]}" for k in ("Rare", "Uncommon", "Common")))
    print("formation1:", " ".join(f"{k}={f1[k]}" for k in FORMATIONS))
    print("formation2:", " ".join(f"{k}={f2[k]}" for k in FORMATIONS))
    print(f"illustrators: {len(by_ill)} of {len(ILLUSTRATORS)} used, "
          f"{min(by_ill.values())}..{max(by_ill.values())} cards each")


def main():
    check_illustrators(ILLUSTRATORS)
    if len(LONG_NAME.encode("cp932")) != 54:  # "M-0xx " plus this is exactly 60 bytes
        fail("LONG_NAME must be 54 bytes in cp932")
    rng = random.Random(SEED)
    cards = build_cards(rng)
    assign_rarity(rng, cards)
    assign_illustrators(rng, cards)
    add_edge_cases(rng, cards)
    data = render(cards)
    rows = verify_csv(data)
    summarise(rows)

    CSV_PATH.write_bytes(data)
    ILLUSTRATORS_PATH.parent.mkdir(parents=True, exist_ok=True)
    ILLUSTRATORS_PATH.write_bytes(("\n".join(ILLUSTRATORS) + "\n").encode("utf-8"))
    check_illustrators(ILLUSTRATORS_PATH.read_text(encoding="utf-8").split("\n")[:-1])
    verify_csv(CSV_PATH.read_bytes())
    print(f"wrote {CSV_PATH.relative_to(ROOT)} and {ILLUSTRATORS_PATH.relative_to(ROOT)}")


if __name__ == "__main__":
    main()
