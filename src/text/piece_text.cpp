// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/piece_text.h"

#include <algorithm>
#include <atomic>

// The pieces stand in a treap: a binary tree in text order whose nodes also
// form a heap of random priorities, which keeps it balanced whatever the
// order of edits. Nodes never change once made; an edit makes new nodes
// along the paths it touches and shares the rest, so a copy of the text is
// a copy of its root.

namespace wrenpad {

namespace {

// Typed text is appended to buffers of this size; an insertion longer than
// a quarter of it keeps a string of its own.
constexpr qsizetype kAddBufferSize = 4096;
constexpr qsizetype kLongestAppended = kAddBufferSize / 4;

}  // namespace

// A stretch of a buffer. `owner` keeps the buffer alive; `string` is set
// when the buffer is a whole QString, so the text can hand that back.
struct Piece {
  std::shared_ptr<const void> owner;
  const QString* string = nullptr;
  const QChar* data = nullptr;
  qsizetype length = 0;

  QStringView view() const { return {data, length}; }
  Piece first(qsizetype count) const { return {owner, string, data, count}; }
  Piece from(qsizetype start) const { return {owner, string, data + start, length - start}; }
  bool isWholeString() const {
    return string != nullptr && data == string->constData() && length == string->size();
  }
};

struct PieceText::Node {
  std::shared_ptr<const Node> left;
  std::shared_ptr<const Node> right;
  Piece piece;
  qsizetype size = 0;    // characters in this subtree
  qsizetype pieces = 0;  // pieces in this subtree
  quint32 priority = 0;  // at least the priority of either child
};

struct PieceText::AddBuffer {
  explicit AddBuffer(qsizetype size) : data(new QChar[size]), capacity(size) {}
  std::unique_ptr<QChar[]> data;
  qsizetype capacity;
  qsizetype used = 0;  // characters written; they never change afterwards
};

namespace {

using Node = PieceText::Node;
using NodePtr = std::shared_ptr<const Node>;

// Well-spread priorities from a counter (the SplitMix64 finaliser): any
// thread may make nodes.
quint32 nextPriority() {
  static std::atomic<quint64> counter{0};
  quint64 z = counter.fetch_add(1, std::memory_order_relaxed) + 0x9E3779B97F4A7C15ull;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return quint32((z ^ (z >> 31)) >> 32);
}

qsizetype sizeOf(const NodePtr& node) { return node ? node->size : 0; }
qsizetype piecesOf(const NodePtr& node) { return node ? node->pieces : 0; }

NodePtr makeNode(NodePtr left, Piece piece, NodePtr right, quint32 priority) {
  auto node = std::make_shared<Node>();
  node->size = sizeOf(left) + piece.length + sizeOf(right);
  node->pieces = piecesOf(left) + 1 + piecesOf(right);
  node->left = std::move(left);
  node->right = std::move(right);
  node->piece = std::move(piece);
  node->priority = priority;
  return node;
}

NodePtr leaf(Piece piece) { return makeNode(nullptr, std::move(piece), nullptr, nextPriority()); }

// The first `position` characters of `node`, and the rest.
std::pair<NodePtr, NodePtr> split(const NodePtr& node, qsizetype position) {
  if (!node || position <= 0) return {nullptr, node};
  if (position >= node->size) return {node, nullptr};
  const qsizetype pieceStart = sizeOf(node->left);
  const qsizetype pieceEnd = pieceStart + node->piece.length;
  if (position <= pieceStart) {
    auto [before, after] = split(node->left, position);
    return {std::move(before), makeNode(std::move(after), node->piece, node->right, node->priority)};
  }
  if (position >= pieceEnd) {
    auto [before, after] = split(node->right, position - pieceEnd);
    return {makeNode(node->left, node->piece, std::move(before), node->priority), std::move(after)};
  }
  const qsizetype cut = position - pieceStart;
  return {makeNode(node->left, node->piece.first(cut), nullptr, node->priority),
          makeNode(nullptr, node->piece.from(cut), node->right, node->priority)};
}

// `first` followed by `second`.
NodePtr merge(const NodePtr& first, const NodePtr& second) {
  if (!first) return second;
  if (!second) return first;
  if (first->priority >= second->priority)
    return makeNode(first->left, first->piece, merge(first->right, second), first->priority);
  return makeNode(merge(first, second->left), second->piece, second->right, second->priority);
}

const Piece& lastPiece(const Node* node) {
  while (node->right) node = node->right.get();
  return node->piece;
}

// `node` with its last piece `extra` characters longer.
NodePtr extendLast(const NodePtr& node, qsizetype extra) {
  if (node->right) return makeNode(node->left, node->piece, extendLast(node->right, extra), node->priority);
  Piece longer = node->piece;
  longer.length += extra;
  return makeNode(node->left, std::move(longer), nullptr, node->priority);
}

// Visits the stretches of [from, to) of the subtree that starts at text
// position `offset`, in order; false once `visit` asked to stop.
template <class Visit>
bool visitForward(const Node* node, qsizetype offset, qsizetype from, qsizetype to, Visit& visit) {
  if (!node || from >= to || to <= offset || from >= offset + node->size) return true;
  if (!visitForward(node->left.get(), offset, from, to, visit)) return false;
  const qsizetype pieceStart = offset + sizeOf(node->left);
  const qsizetype pieceEnd = pieceStart + node->piece.length;
  const qsizetype low = std::max(from, pieceStart);
  const qsizetype high = std::min(to, pieceEnd);
  if (low < high && !visit(node->piece.view().sliced(low - pieceStart, high - low), low)) return false;
  return visitForward(node->right.get(), pieceEnd, from, to, visit);
}

// The same from the end of [from, to) backwards.
template <class Visit>
bool visitBackward(const Node* node, qsizetype offset, qsizetype from, qsizetype to, Visit& visit) {
  if (!node || from >= to || to <= offset || from >= offset + node->size) return true;
  const qsizetype pieceStart = offset + sizeOf(node->left);
  const qsizetype pieceEnd = pieceStart + node->piece.length;
  if (!visitBackward(node->right.get(), pieceEnd, from, to, visit)) return false;
  const qsizetype low = std::max(from, pieceStart);
  const qsizetype high = std::min(to, pieceEnd);
  if (low < high && !visit(node->piece.view().sliced(low - pieceStart, high - low), low)) return false;
  return visitBackward(node->left.get(), offset, from, to, visit);
}

}  // namespace

PieceText::PieceText(const QString& text) {
  if (text.isEmpty()) return;
  auto owner = std::make_shared<const QString>(text);
  const QString* string = owner.get();
  root_ = leaf(Piece{std::move(owner), string, string->constData(), string->size()});
}

qsizetype PieceText::size() const { return sizeOf(root_); }

qsizetype PieceText::pieceCount() const { return piecesOf(root_); }

QChar PieceText::at(qsizetype position) const {
  if (position < 0 || position >= size()) return QChar();
  const Node* node = root_.get();
  for (;;) {
    const qsizetype leftSize = sizeOf(node->left);
    if (position < leftSize) {
      node = node->left.get();
    } else if (position < leftSize + node->piece.length) {
      return node->piece.data[position - leftSize];
    } else {
      position -= leftSize + node->piece.length;
      node = node->right.get();
    }
  }
}

// The bounds QString::mid gives: nothing past the end, a negative start
// shortening the length, the length cut at the end.
QString PieceText::mid(qsizetype position, qsizetype length) const {
  const qsizetype total = size();
  if (position > total) return QString();
  if (position < 0) {
    if (length < 0 || length + position >= total) return toString();
    if (length + position <= 0) return QString();
    length += position;
    position = 0;
  } else if (length < 0 || length > total - position) {
    length = total - position;
  }
  if (position == 0 && length == total) return toString();
  if (length == 0) return QStringLiteral("");
  QString part(length, Qt::Uninitialized);
  QChar* to = part.data();
  auto copy = [&to](QStringView stretch, qsizetype) {
    to = std::copy(stretch.begin(), stretch.end(), to);
    return true;
  };
  visitForward(root_.get(), 0, position, position + length, copy);
  return part;
}

QString PieceText::toString() const {
  if (!root_) return QString();
  if (!root_->left && !root_->right && root_->piece.isWholeString()) return *root_->piece.string;
  QString whole(root_->size, Qt::Uninitialized);
  QChar* to = whole.data();
  auto copy = [&to](QStringView stretch, qsizetype) {
    to = std::copy(stretch.begin(), stretch.end(), to);
    return true;
  };
  visitForward(root_.get(), 0, 0, root_->size, copy);
  return whole;
}

qsizetype PieceText::indexOf(QChar c, qsizetype from) const {
  const qsizetype total = size();
  if (from < -total) return -1;
  if (from < 0) from += total;
  qsizetype found = -1;
  auto search = [&found, c](QStringView stretch, qsizetype position) {
    const qsizetype at = stretch.indexOf(c);
    if (at >= 0) found = position + at;
    return at < 0;
  };
  visitForward(root_.get(), 0, from, total, search);
  return found;
}

// A match may lie across stretches: the last characters of the stretches
// before (fewer than the needle's length) are kept and searched together
// with the start of the next one.
qsizetype PieceText::indexOf(QStringView text, qsizetype from) const {
  const qsizetype total = size();
  const qsizetype length = text.size();
  if (length == 1) return indexOf(text.front(), from);
  if (from < 0) from += total;
  if (from < 0 || from + length > total) return -1;
  if (length == 0) return from;
  qsizetype found = -1;
  QString carried;  // the last characters visited, fewer than `length`
  auto search = [&](QStringView stretch, qsizetype position) {
    if (!carried.isEmpty()) {
      const QString joint = QString(carried).append(stretch.first(std::min(stretch.size(), length - 1)));
      const qsizetype at = QStringView(joint).indexOf(text);
      if (at >= 0 && at < carried.size()) {
        found = position - carried.size() + at;
        return false;
      }
    }
    if (const qsizetype at = stretch.indexOf(text); at >= 0) {
      found = position + at;
      return false;
    }
    carried = stretch.size() >= length - 1 ? stretch.last(length - 1).toString()
                                           : carried.append(stretch).right(length - 1);
    return true;
  };
  visitForward(root_.get(), 0, from, total, search);
  return found;
}

qsizetype PieceText::lastIndexOf(QChar c, qsizetype from) const {
  const qsizetype total = size();
  if (from < 0) from += total;
  if (from >= total) from = total - 1;
  if (from < 0) return -1;
  qsizetype found = -1;
  auto search = [&found, c](QStringView stretch, qsizetype position) {
    const qsizetype at = stretch.lastIndexOf(c);
    if (at >= 0) found = position + at;
    return at < 0;
  };
  visitBackward(root_.get(), 0, 0, from + 1, search);
  return found;
}

// As indexOf, backwards: the first characters of the stretches after are
// carried.
qsizetype PieceText::lastIndexOf(QStringView text, qsizetype from) const {
  const qsizetype total = size();
  const qsizetype length = text.size();
  if (length == 1) return lastIndexOf(text.front(), from);
  if (from < 0) from += total;
  if (from < 0 || from > total || length > total) return -1;
  from = std::min(from, total - length);
  if (length == 0) return from;
  qsizetype found = -1;
  QString carried;  // the first characters after the stretch, fewer than `length`
  auto search = [&](QStringView stretch, qsizetype position) {
    if (!carried.isEmpty()) {
      const qsizetype taken = std::min(stretch.size(), length - 1);
      const QString joint = stretch.last(taken).toString().append(carried);
      const qsizetype at = QStringView(joint).lastIndexOf(text, taken - 1);
      if (at >= 0) {
        found = position + stretch.size() - taken + at;
        return false;
      }
    }
    if (const qsizetype at = stretch.lastIndexOf(text, -1); at >= 0) {
      found = position + at;
      return false;
    }
    carried = stretch.size() >= length - 1 ? stretch.first(length - 1).toString()
                                           : stretch.toString().append(carried).left(length - 1);
    return true;
  };
  visitBackward(root_.get(), 0, 0, from + length, search);
  return found;
}

void PieceText::replace(qsizetype position, qsizetype length, QStringView after) {
  const qsizetype total = size();
  position = std::clamp<qsizetype>(position, 0, total);
  length = std::clamp<qsizetype>(length, 0, total - position);
  if (length == 0 && after.isEmpty()) return;
  auto [before, rest] = split(root_, position);
  NodePtr tail = split(rest, length).second;
  if (after.size() > kLongestAppended) {
    auto owner = std::make_shared<const QString>(after.toString());
    const QString* string = owner.get();
    before = merge(before, leaf(Piece{std::move(owner), string, string->constData(), string->size()}));
  } else if (!after.isEmpty()) {
    if (!added_ || added_->capacity - added_->used < after.size())
      added_ = std::make_shared<AddBuffer>(kAddBufferSize);
    QChar* end = added_->data.get() + added_->used;
    // Typing on where the last typed text ended makes that piece longer.
    const bool continues = before && lastPiece(before.get()).owner.get() == added_.get() &&
                           lastPiece(before.get()).view().end() == end;
    std::copy(after.begin(), after.end(), end);
    added_->used += after.size();
    before = continues ? extendLast(before, after.size())
                       : merge(before, leaf(Piece{added_, nullptr, end, after.size()}));
  }
  root_ = merge(before, tail);
}

void PieceText::forEachStretch(qsizetype from, qsizetype to, const StretchVisitor& visit) const {
  visitForward(root_.get(), 0, std::max<qsizetype>(from, 0), std::min(to, size()), visit);
}

void PieceText::forEachStretchBackward(qsizetype from, qsizetype to, const StretchVisitor& visit) const {
  visitBackward(root_.get(), 0, std::max<qsizetype>(from, 0), std::min(to, size()), visit);
}

}  // namespace wrenpad
