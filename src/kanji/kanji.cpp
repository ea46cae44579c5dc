// replaced by the kanji library
