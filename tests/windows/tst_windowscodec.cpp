// The codec on Windows counts as installed where Windows itself decodes MPEG-4 Part 2 video: a
// decoder registered with Media Foundation for one of that format's names, asked as the program
// asks (on a thread of its own, with Media Foundation loaded for it alone). Each row registers a
// stand-in decoder for some input types, asks, and takes it away again.
#include "platform/settings/WindowsVideoDecoders.h"

#include <QTest>

#include <initguid.h>
#include <mfapi.h>
#include <mfidl.h>

using namespace vistrel;

namespace {

// A class id of this test's own: nothing ever makes the decoder, it is only listed.
constexpr GUID StandInDecoder = {
    0x5f1e2d3c, 0x4b5a, 0x4978, {0x86, 0x95, 0xa4, 0xb3, 0xc2, 0xd1, 0xe0, 0xf7}};

class RegisteredDecoder {
  public:
    explicit RegisteredDecoder(const QList<GUID>& subtypes) {
        QList<MFT_REGISTER_TYPE_INFO> inputs;
        for (const GUID& subtype : subtypes)
            inputs.append({MFMediaType_Video, subtype});
        wchar_t name[] = L"Vistrel test decoder";
        registered_ =
            inputs.isEmpty() ||
            SUCCEEDED(MFTRegister(StandInDecoder, MFT_CATEGORY_VIDEO_DECODER, name, 0,
                                  UINT32(inputs.size()), inputs.data(), 0, nullptr, nullptr));
    }
    ~RegisteredDecoder() { MFTUnregister(StandInDecoder); }
    bool registered() const { return registered_; }

  private:
    bool registered_ = false;
};

} // namespace

Q_DECLARE_METATYPE(QList<GUID>)

class TestWindowsCodec : public QObject {
    Q_OBJECT

  private slots:
    void mpeg4DecoderCounts_data();
    void mpeg4DecoderCounts();
};

void TestWindowsCodec::mpeg4DecoderCounts_data() {
    QTest::addColumn<QList<GUID>>("inputs");
    QTest::addColumn<bool>("installed");
    QTest::newRow("no decoder of the format") << QList<GUID>{} << false;
    QTest::newRow("MP4V") << QList<GUID>{MFVideoFormat_MP4V} << true;
    QTest::newRow("M4S2") << QList<GUID>{MFVideoFormat_M4S2} << true;
    QTest::newRow("MP4S, among others")
        << QList<GUID>{MFVideoFormat_H264, MFVideoFormat_MP4S} << true;
    QTest::newRow("H.264 and WMV only")
        << QList<GUID>{MFVideoFormat_H264, MFVideoFormat_WMV3} << false;
}

void TestWindowsCodec::mpeg4DecoderCounts() {
    QFETCH(QList<GUID>, inputs);
    QFETCH(bool, installed);
    const RegisteredDecoder decoder(inputs);
    QVERIFY(decoder.registered());
    QCOMPARE(startWindowsCodecTest()(), installed);
}

QTEST_GUILESS_MAIN(TestWindowsCodec)
#include "tst_windowscodec.moc"
