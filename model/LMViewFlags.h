#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <optional>

// The 12-byte flags record of a design file, as held here: the 32-bit word
// W1, the 16-bit paper id, the 16-bit words W2 and W3 and 16 reserved bits,
// all little-endian. The tool bits, the modified bit, the layer stage and
// the output bit describe the program at the moment of writing: designs
// write them as zero and ignore them when read.
class LMViewFlags {
public:
    static constexpr int ByteSize = 12;

    // The state of a new document: all clear but frame level and strip count 1.
    static LMViewFlags atStart();

    // W1
    bool frameEffectOn() const { return bit(m_w1, 0); }
    void setFrameEffectOn(bool on) { setBit(m_w1, 0, on); }
    bool clipToOutline() const { return bit(m_w1, 1); }
    void setClipToOutline(bool on) { setBit(m_w1, 1, on); }
    bool frameTextOn() const { return bit(m_w1, 2); }
    void setFrameTextOn(bool on) { setBit(m_w1, 2, on); }
    bool outlineEditing() const { return bit(m_w1, 3); }
    void setOutlineEditing(bool on) { setBit(m_w1, 3, on); }
    bool frameToolActive() const { return bit(m_w1, 4); }
    void setFrameToolActive(bool on) { setBit(m_w1, 4, on); }
    bool marginToolActive() const { return bit(m_w1, 5); }
    void setMarginToolActive(bool on) { setBit(m_w1, 5, on); }
    bool stripMode() const { return bit(m_w1, 6); }
    void setStripMode(bool on) { setBit(m_w1, 6, on); }
    bool landscape() const { return bit(m_w1, 7); }
    void setLandscape(bool on) { setBit(m_w1, 7, on); }
    // Whole degrees, signed 11-bit: -1024..1023, wrapping like the stored field.
    int outlineRotation() const;
    void setOutlineRotation(int degrees) { setField(m_w1, 8, 11, quint32(degrees)); }
    bool outputRendering() const { return bit(m_w1, 19); }
    void setOutputRendering(bool on) { setBit(m_w1, 19, on); }

    qint16 paperId() const { return m_paperId; }
    void setPaperId(int id) { m_paperId = qint16(id); }

    // W2
    bool modified() const { return bit(m_w2, 0); }
    void setModified(bool on) { setBit(m_w2, 0, on); }
    int frameStage() const { return int(field(m_w2, 1, 4)); }
    void setFrameStage(int stage) { setField(m_w2, 1, 4, quint32(stage)); }
    int frameIndex() const { return int(field(m_w2, 5, 5)); }
    void setFrameIndex(int level) { setField(m_w2, 5, 5, quint32(level)); }
    int stripCount() const { return int(field(m_w2, 10, 5)); }
    void setStripCount(int count) { setField(m_w2, 10, 5, quint32(count)); }
    bool outsidePrintable() const { return bit(m_w2, 15); }
    void setOutsidePrintable(bool on) { setBit(m_w2, 15, on); }

    // W3
    bool useHeight() const { return bit(m_w3, 0); }
    void setUseHeight(bool on) { setBit(m_w3, 0, on); }
    bool stripType() const { return bit(m_w3, 1); } // set: thin strips
    void setStripType(bool thin) { setBit(m_w3, 1, thin); }
    bool expandToSides() const { return bit(m_w3, 2); }
    void setExpandToSides(bool on) { setBit(m_w3, 2, on); }
    bool textureTiled() const { return bit(m_w3, 3); }
    void setTextureTiled(bool on) { setBit(m_w3, 3, on); }
    int textureScale() const { return int(field(m_w3, 4, 8)); }
    void setTextureScale(int percent) { setField(m_w3, 4, 8, quint32(percent)); }

    QByteArray toBytes() const;
    // Exactly ByteSize bytes, or nothing. The reserved bits are kept as read.
    static std::optional<LMViewFlags> fromBytes(const QByteArray &bytes);

    bool operator==(const LMViewFlags &o) const
    {
        return m_w1 == o.m_w1 && m_paperId == o.m_paperId && m_w2 == o.m_w2 && m_w3 == o.m_w3 &&
               m_reserved == o.m_reserved;
    }
    bool operator!=(const LMViewFlags &o) const { return !(*this == o); }

private:
    template <class W> static bool bit(W word, int pos) { return (word >> pos) & 1u; }
    template <class W> static void setBit(W &word, int pos, bool on)
    {
        word = on ? W(word | (1u << pos)) : W(word & ~(1u << pos));
    }
    template <class W> static quint32 field(W word, int pos, int width)
    {
        return (quint32(word) >> pos) & ((1u << width) - 1u);
    }
    template <class W> static void setField(W &word, int pos, int width, quint32 value)
    {
        const quint32 mask = ((1u << width) - 1u) << pos;
        word = W((quint32(word) & ~mask) | ((value << pos) & mask));
    }

    quint32 m_w1 = 0;
    qint16 m_paperId = 0;
    quint16 m_w2 = 0;
    quint16 m_w3 = 0;
    quint16 m_reserved = 0;
};
