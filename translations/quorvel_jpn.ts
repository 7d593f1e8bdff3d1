<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
  <context>
    <name>DumpWorker</name>
    <message>
      <source>no free temporary name</source>
      <translation>使用できる一時ファイル名がありません</translation>
    </message>
    <message>
      <source>ROM SIZE %1 is more than mapper %2 can address (%3 at most).</source>
      <translation>ROM SIZE %1 はマッパー %2 で扱える範囲を超えています (最大 %3)。</translation>
    </message>
    <message>
      <source>it is a folder</source>
      <translation>フォルダーです</translation>
    </message>
    <message>
      <source>it is not a regular file</source>
      <translation>通常のファイルではありません</translation>
    </message>
    <message>
      <source>Check that the reader is plugged in and that its drive is mounted.</source>
      <translation>リーダーが接続され、そのドライブがマウントされていることを確認してください。</translation>
    </message>
    <message>
      <source>Check that your user may read the files on the drive.</source>
      <translation>このユーザーがドライブ上のファイルを読めることを確認してください。</translation>
    </message>
    <message>
      <source>(not removable)</source>
      <translation>(リムーバブルではありません)</translation>
    </message>
    <message>
      <source>No drive was found from D: to Z:.</source>
      <translation>D: から Z: までにドライブが見つかりませんでした。</translation>
    </message>
    <message>
      <source>Drives looked at: %1</source>
      <translation>調べたドライブ: %1</translation>
    </message>
    <message>
      <source>Verified</source>
      <translation>検証済み</translation>
    </message>
    <message>
      <source>Consistent</source>
      <translation>整合</translation>
    </message>
    <message>
      <source>Suspect</source>
      <translation>要注意</translation>
    </message>
    <message>
      <source>Canceled</source>
      <translation>中止</translation>
    </message>
    <message>
      <source>Failed</source>
      <translation>失敗</translation>
    </message>
    <message>
      <source>out of memory</source>
      <translation>メモリーが不足しています</translation>
    </message>
  </context>
  <context>
    <name>Settings</name>
    <message>
      <source>MMC TYPE:</source>
      <translation>MMC タイプ:</translation>
    </message>
    <message>
      <source>ROM SIZE:</source>
      <translation>ROM サイズ:</translation>
    </message>
    <message>
      <source>RAM TYPE:</source>
      <translation>RAM タイプ:</translation>
    </message>
    <message>
      <source>RAM SIZE:</source>
      <translation>RAM サイズ:</translation>
    </message>
    <message>
      <source>MBC TYPE:</source>
      <translation>MBC タイプ:</translation>
    </message>
    <message>
      <source>Not Used:</source>
      <translation>未使用:</translation>
    </message>
    <message>
      <source>Settings</source>
      <translation>設定</translation>
    </message>
    <message>
      <source>Check file size</source>
      <translation>ファイルサイズを確認</translation>
    </message>
    <message>
      <source>Not Used       </source>
      <translation>未使用       </translation>
    </message>
    <message>
      <source>ROM SIZE</source>
      <translation>ROM SIZE</translation>
    </message>
    <message>
      <source>The cartridge does not settle its ROM size. Which is it?</source>
      <translation>カートリッジから ROM サイズを決められません。どれですか？</translation>
    </message>
  </context>
  <context>
    <name>TabAbout</name>
    <message>
      <source>About</source>
      <translation>バージョン情報</translation>
    </message>
    <message>
      <source>Varno Cartridge Driver/Zuvava</source>
      <translation>Varno Cartridge Driver/Zuvava</translation>
    </message>
    <message>
      <source>* Squirrel 3.1 stable</source>
      <translation>* Squirrel 3.1 stable</translation>
    </message>
    <message>
      <source>

</source>
      <translation>

</translation>
    </message>
    <message>
      <source>* Qt </source>
      <translation>* Qt </translation>
    </message>
    <message>
      <source>Varno Cartridge Zuvava</source>
      <translation>Varno Cartridge Zuvava</translation>
    </message>
    <message>
      <source>Web site: </source>
      <translation>ウェブサイト: </translation>
    </message>
    <message>
      <source>Support BBS : </source>
      <translation>サポート掲示板: </translation>
    </message>
    <message>
      <source>Email: </source>
      <translation>メール: </translation>
    </message>
  </context>
  <context>
    <name>TabDialog</name>
    <message>
      <source>Varno Quorvel client build - </source>
      <translation>Varno Quorvel クライアント ビルド - </translation>
    </message>
    <message>
      <source>Dump</source>
      <translation>ダンプ</translation>
    </message>
    <message>
      <source>About</source>
      <translation>バージョン情報</translation>
    </message>
    <message>
      <source>A dump is running. Cancel it and close the window?</source>
      <translation>ダンプの実行中です。中止してウィンドウを閉じますか?</translation>
    </message>
  </context>
  <context>
    <name>TabGui</name>
    <message>
      <source>%1 left</source>
      <translation>残り %1</translation>
    </message>
    <message>
      <source>SMS Rom (*.sms)</source>
      <translation>SMS ROM イメージ (*.sms)</translation>
    </message>
    <message>
      <source>SFC Rom (*.sfc)</source>
      <translation>SFC ROM イメージ (*.sfc)</translation>
    </message>
    <message>
      <source>GB Rom (*.gb);;GBC Rom (*.gbc)</source>
      <translation>GB ROM イメージ (*.gb);;GBC ROM イメージ (*.gbc)</translation>
    </message>
    <message>
      <source>GBA Rom (*.gba)</source>
      <translation>GBA ROM イメージ (*.gba)</translation>
    </message>
    <message>
      <source>MSX Rom (*.rom)</source>
      <translation>MSX ROM イメージ (*.rom)</translation>
    </message>
    <message>
      <source>MD Rom (*.md)</source>
      <translation>MD ROM イメージ (*.md)</translation>
    </message>
    <message>
    </message>
    <message>
    </message>
    <message>
      <source>Info</source>
      <translation>情報取得</translation>
    </message>
    <message>
      <source>Dump</source>
      <translation>ダンプ</translation>
    </message>
    <message>
      <source>Flash</source>
      <translation>フラッシュ書き込み</translation>
    </message>
    <message>
      <source>Read SRAM</source>
      <translation>SRAM 読み出し</translation>
    </message>
    <message>
      <source>Write SRAM</source>
      <translation>SRAM 書き込み</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>キャンセル</translation>
    </message>
    <message>
      <source>Read twice and compare</source>
      <translation>2回読んで比較</translation>
    </message>
    <message>
      <source>Please select a console</source>
      <translation>ゲーム機を選択してください</translation>
    </message>
    <message>
      <source>Default is MD&#xd;
</source>
      <translation>既定は MD です&#xd;
</translation>
    </message>
    <message>
      <source>Shortcut: %1</source>
      <translation>ショートカット: %1</translation>
    </message>
    <message>
      <source>&gt;Operation failure.</source>
      <translation>&gt;操作に失敗しました。</translation>
    </message>
    <message>
      <source>&gt;Success!</source>
      <translation>&gt;成功しました!</translation>
    </message>
    <message>
      <source>Read ROM to...</source>
      <translation>ROM の保存先...</translation>
    </message>
    <message>
      <source>Reading data from ROM to file:</source>
      <translation>ROM からファイルへ読み出し中:</translation>
    </message>
    <message>
      <source>%1 in %2, %3, CRC-32 %4</source>
      <translation>%1、%2、%3、CRC-32 %4</translation>
    </message>
    <message>
    </message>
    <message>
      <source>GBA Rom (*.gba)</source>
      <translation>GBA ROM イメージ (*.gba)</translation>
    </message>
    <message>
      <source>GB Rom (*.gb);;GBC Rom (*.gbc)</source>
      <translation>GB ROM イメージ (*.gb);;GBC ROM イメージ (*.gbc)</translation>
    </message>
    <message>
      <source>MD Rom (*.md)</source>
      <translation>MD ROM イメージ (*.md)</translation>
    </message>
    <message>
      <source>MSX Rom (*.rom)</source>
      <translation>MSX ROM イメージ (*.rom)</translation>
    </message>
    <message>
      <source>SFC Rom (*.sfc)</source>
      <translation>SFC ROM イメージ (*.sfc)</translation>
    </message>
    <message>
      <source>SMS Rom (*.sms)</source>
      <translation>SMS ROM イメージ (*.sms)</translation>
    </message>
  </context>
  <context>
    <name>TabUpdate</name>
    <message>
      <source>Update Firmware</source>
      <translation>ファームウェア更新</translation>
    </message>
    <message>
      <source>First turn off anti-virus software.</source>
      <translation>まずウイルス対策ソフトを停止してください。</translation>
    </message>
    <message>
      <source>Next press "Update Firmware" to update firmware.</source>
      <translation>次に「ファームウェア更新」を押してファームウェアを更新してください。</translation>
    </message>
    <message>
      <source>&#xd;
</source>
      <translation>&#xd;
</translation>
    </message>
    <message>
      <source>&gt;Operation failure.</source>
      <translation>&gt;操作に失敗しました。</translation>
    </message>
    <message>
      <source>&gt;Success!</source>
      <translation>&gt;成功しました!</translation>
    </message>
  </context>
  <context>
    <name>UpdateThread</name>
    <message>
      <source>Start update.</source>
      <translation>更新を開始します。</translation>
    </message>
  </context>
  <context>
    <name>gbaThreadDump</name>
    <message>
      <source>Can not auto detect cartridge information</source>
      <translation>カートリッジ情報を自動検出できません</translation>
    </message>
    <message>
      <source>Please set ROM SIZE by yourself to dump the ROM</source>
      <translation>ROM をダンプするには ROM SIZE を手動で設定してください</translation>
    </message>
    <message>
      <source>&#xd;
</source>
      <translation>&#xd;
</translation>
    </message>
    <message>
      <source>Can not open dump device.</source>
      <translation>ダンプデバイスを開けません。</translation>
    </message>
    <message>
      <source>Not in the catalogue.</source>
      <translation>カタログに登録されていません。</translation>
    </message>
    <message>
      <source>Matches your own entry: </source>
      <translation>自分で登録したエントリと一致: </translation>
    </message>
    <message>
      <source>Verified: </source>
      <translation>照合済み: </translation>
    </message>
    <message>
      <source>From the DAT file %1.</source>
      <translation>出典: DAT ファイル %1。</translation>
    </message>
    <message>
      <source>From the DAT file %1, version %2.</source>
      <translation>出典: DAT ファイル %1、バージョン %2。</translation>
    </message>
    <message>
      <source>Header checksum OK.</source>
      <translation>ヘッダーのチェックサムは正常です。</translation>
    </message>
    <message>
      <source>Header checksum mismatch.</source>
      <translation>ヘッダーのチェックサムが一致しません。</translation>
    </message>
    <message>
      <source>The cartridge repeats its data past %1 KB: saving %1 KB, its true size, of the %2 KB read.</source>
      <translation>カートリッジは %1 KB から先でデータを繰り返しています：読み込んだ %2 KB のうち、本来のサイズ %1 KB を保存します。</translation>
    </message>
    <message>
      <source>Warning: the image fails its header checksum; it may be a bad dump.</source>
      <translation>警告: イメージがヘッダーのチェックサムと一致しません。不良ダンプの可能性があります。</translation>
    </message>
    <message>
      <source>The cartridge header declares %1 KB; dumping %2 KB as chosen.</source>
      <translation>警告: カートリッジのヘッダーは %1 KB と宣言していますが、選択どおり %2 KB をダンプします。</translation>
    </message>
    <message>
      <source>Warning: the image is %1 KB, but its header declares %2 KB.</source>
      <translation>警告: イメージは %1 KB ですが、ヘッダーは %2 KB と宣言しています。</translation>
    </message>
    <message>
      <source>Save file error.</source>
      <translation>ファイルの保存に失敗しました。</translation>
    </message>
    <message>
    </message>
    <message>
      <source>Can not open dump device.</source>
      <translation>ダンプデバイスを開けません。</translation>
    </message>
    <message>
      <source>Warning: two reads of the cartridge header differ; the contacts may be dirty. Clean them, or read twice and compare.</source>
      <translation>警告：カートリッジヘッダーを2回読んだ結果が一致しません。端子が汚れているかもしれません。清掃するか、2回読んで比較してください。</translation>
    </message>
    <message>
      <source>Dump canceled.</source>
      <translation>ダンプを中止しました。</translation>
    </message>
    <message>
      <source>Read error at 0x</source>
      <translation>読み取りエラー: アドレス 0x</translation>
    </message>
    <message>
      <source>Device command error.</source>
      <translation>デバイスのコマンドエラーです。</translation>
    </message>
    <message>
      <source>Unstable reads at 0x%1: clean the contacts and try again.</source>
      <translation>0x%1 の読み取りが安定しません：端子を清掃してやり直してください。</translation>
    </message>
    <message>
      <source>No cartridge answers.</source>
      <translation>カートリッジが応答しません。</translation>
    </message>
    <message>
      <source>Save file success.</source>
      <translation>ファイルを保存しました。</translation>
    </message>
    <message>
      <source>File CRC: 0x</source>
      <translation>ファイル CRC: 0x</translation>
    </message>
    <message>
      <source>Read twice and compared; blocks read again: </source>
      <translation>2回読んで比較しました。読み直したブロック数：</translation>
    </message>
  </context>
  <context>
    <name>gbaThreadInfo</name>
    <message>
      <source>Can not auto detect cartridge information</source>
      <translation>カートリッジ情報を自動検出できません</translation>
    </message>
    <message>
      <source>Please set ROM SIZE by yourself to dump the ROM</source>
      <translation>ROM をダンプするには ROM SIZE を手動で設定してください</translation>
    </message>
    <message>
      <source>&#xd;
</source>
      <translation>&#xd;
</translation>
    </message>
    <message>
      <source>Can not open dump device.</source>
      <translation>ダンプデバイスを開けません。</translation>
    </message>
    <message>
      <source>--Device information--</source>
      <translation>--デバイス情報--</translation>
    </message>
    <message>
      <source>Driver label: </source>
      <translation>ドライバーラベル: </translation>
    </message>
    <message>
      <source>Device firmware: </source>
      <translation>デバイスのファームウェア: </translation>
    </message>
    <message>
      <source>Device command error.</source>
      <translation>デバイスのコマンドエラーです。</translation>
    </message>
    <message>
      <source>Read error at 0x</source>
      <translation>読み取りエラー: アドレス 0x</translation>
    </message>
    <message>
      <source>No cartridge answers.</source>
      <translation>カートリッジが応答しません。</translation>
    </message>
    <message>
      <source>In the catalogue: </source>
      <translation>カタログに登録: </translation>
    </message>
    <message>
      <source>The ROM size is not settled: it may be </source>
      <translation>警告：ROM サイズが決まりません。候補：</translation>
    </message>
    <message>
      <source>Bytes</source>
      <translation>バイト</translation>
    </message>
    <message>
      <source>Kbytes</source>
      <translation>Kバイト</translation>
    </message>
    <message>
      <source>Can not detect gameboy advance logo.</source>
      <translation>Game Boy Advance のロゴを検出できません。</translation>
    </message>
    <message>
      <source>Maybe it's not a standard cartridge.</source>
      <translation>標準のカートリッジではない可能性があります。</translation>
    </message>
    <message>
      <source>--GBA Cartridge information--</source>
      <translation>--GBA カートリッジ情報--</translation>
    </message>
    <message>
      <source>Title: </source>
      <translation>タイトル: </translation>
    </message>
    <message>
      <source>Company: </source>
      <translation>メーカー: </translation>
    </message>
    <message>
      <source>Year: </source>
      <translation>発売年: </translation>
    </message>
    <message>
      <source>ROM SIZE: </source>
      <translation>ROM サイズ: </translation>
    </message>
    <message>
      <source>Mbit</source>
      <translation>Mbit</translation>
    </message>
    <message>
      <source>RAM SIZE: </source>
      <translation>RAM サイズ: </translation>
    </message>
    <message>
      <source>ROM SIZE measured: the cartridge repeats its start from </source>
      <translation>ROM サイズを測定：カートリッジは次の位置から先頭を繰り返します：</translation>
    </message>
    <message>
      <source>ROM SIZE measured: the bus floats past </source>
      <translation>ROM サイズを測定：次の位置から先はバスが浮いています：</translation>
    </message>
    <message>
      <source>Game code: </source>
      <translation>ゲームコード: </translation>
    </message>
    <message>
      <source>Maker code: </source>
      <translation>メーカーコード: </translation>
    </message>
    <message>
      <source>Not in the title table: these values come from the cartridge header.</source>
      <translation>タイトル表にありません：これらの値はカートリッジのヘッダーから得たものです。</translation>
    </message>
  </context>
  <context>
    <name>gbcThreadDump</name>
    <message>
      <source>Can not auto detect cartridge information</source>
      <translation>カートリッジ情報を自動検出できません</translation>
    </message>
    <message>
      <source>Please set ROM SIZE by yourself to dump the ROM</source>
      <translation>ROM をダンプするには ROM SIZE を手動で設定してください</translation>
    </message>
    <message>
      <source>&#xd;
</source>
      <translation>&#xd;
</translation>
    </message>
    <message>
      <source>Can not open dump device.</source>
      <translation>ダンプデバイスを開けません。</translation>
    </message>
    <message>
      <source>Not in the catalogue.</source>
      <translation>カタログに登録されていません。</translation>
    </message>
    <message>
      <source>Matches your own entry: </source>
      <translation>自分で登録したエントリと一致: </translation>
    </message>
    <message>
      <source>Verified: </source>
      <translation>照合済み: </translation>
    </message>
    <message>
      <source>From the DAT file %1.</source>
      <translation>出典: DAT ファイル %1。</translation>
    </message>
    <message>
      <source>From the DAT file %1, version %2.</source>
      <translation>出典: DAT ファイル %1、バージョン %2。</translation>
    </message>
    <message>
      <source>Header checksum OK.</source>
      <translation>ヘッダーのチェックサムは正常です。</translation>
    </message>
    <message>
      <source>Header checksum mismatch.</source>
      <translation>ヘッダーのチェックサムが一致しません。</translation>
    </message>
    <message>
      <source>The cartridge repeats its data past %1 KB: saving %1 KB, its true size, of the %2 KB read.</source>
      <translation>カートリッジは %1 KB から先でデータを繰り返しています：読み込んだ %2 KB のうち、本来のサイズ %1 KB を保存します。</translation>
    </message>
    <message>
      <source>Warning: the image fails its header checksum; it may be a bad dump.</source>
      <translation>警告: イメージがヘッダーのチェックサムと一致しません。不良ダンプの可能性があります。</translation>
    </message>
    <message>
      <source>The cartridge header declares %1 KB; dumping %2 KB as chosen.</source>
      <translation>警告: カートリッジのヘッダーは %1 KB と宣言していますが、選択どおり %2 KB をダンプします。</translation>
    </message>
    <message>
      <source>Warning: the image is %1 KB, but its header declares %2 KB.</source>
      <translation>警告: イメージは %1 KB ですが、ヘッダーは %2 KB と宣言しています。</translation>
    </message>
    <message>
      <source>Save file error.</source>
      <translation>ファイルの保存に失敗しました。</translation>
    </message>
    <message>
    </message>
    <message>
      <source>Can not open dump device.</source>
      <translation>ダンプデバイスを開けません。</translation>
    </message>
    <message>
      <source>Warning: two reads of the cartridge header differ; the contacts may be dirty. Clean them, or read twice and compare.</source>
      <translation>警告：カートリッジヘッダーを2回読んだ結果が一致しません。端子が汚れているかもしれません。清掃するか、2回読んで比較してください。</translation>
    </message>
    <message>
      <source>Dump canceled.</source>
      <translation>ダンプを中止しました。</translation>
    </message>
    <message>
      <source>Read error at 0x</source>
      <translation>読み取りエラー: アドレス 0x</translation>
    </message>
    <message>
      <source>Device command error.</source>
      <translation>デバイスのコマンドエラーです。</translation>
    </message>
    <message>
      <source>Unstable reads at 0x%1: clean the contacts and try again.</source>
      <translation>0x%1 の読み取りが安定しません：端子を清掃してやり直してください。</translation>
    </message>
    <message>
      <source>No cartridge answers.</source>
      <translation>カートリッジが応答しません。</translation>
    </message>
    <message>
      <source>Save file success.</source>
      <translation>ファイルを保存しました。</translation>
    </message>
    <message>
      <source>File CRC: 0x</source>
      <translation>ファイル CRC: 0x</translation>
    </message>
    <message>
      <source>Read twice and compared; blocks read again: </source>
      <translation>2回読んで比較しました。読み直したブロック数：</translation>
    </message>
    <message>
      <source>The cartridge header declares mapper %1; dumping with %2 as chosen.</source>
      <translation>警告: カートリッジのヘッダーはマッパー %1 と宣言していますが、選択どおり %2 でダンプします。</translation>
    </message>
  </context>
  <context>
    <name>gbcThreadInfo</name>
    <message>
      <source>Can not auto detect cartridge information</source>
      <translation>カートリッジ情報を自動検出できません</translation>
    </message>
    <message>
      <source>Please set ROM SIZE by yourself to dump the ROM</source>
      <translation>ROM をダンプするには ROM SIZE を手動で設定してください</translation>
    </message>
    <message>
      <source>&#xd;
</source>
      <translation>&#xd;
</translation>
    </message>
    <message>
      <source>Can not open dump device.</source>
      <translation>ダンプデバイスを開けません。</translation>
    </message>
    <message>
      <source>--Device information--</source>
      <translation>--デバイス情報--</translation>
    </message>
    <message>
      <source>Driver label: </source>
      <translation>ドライバーラベル: </translation>
    </message>
    <message>
      <source>Device firmware: </source>
      <translation>デバイスのファームウェア: </translation>
    </message>
    <message>
      <source>Device command error.</source>
      <translation>デバイスのコマンドエラーです。</translation>
    </message>
    <message>
      <source>Read error at 0x</source>
      <translation>読み取りエラー: アドレス 0x</translation>
    </message>
    <message>
      <source>No cartridge answers.</source>
      <translation>カートリッジが応答しません。</translation>
    </message>
    <message>
      <source>In the catalogue: </source>
      <translation>カタログに登録: </translation>
    </message>
    <message>
      <source>The ROM size is not settled: it may be </source>
      <translation>警告：ROM サイズが決まりません。候補：</translation>
    </message>
    <message>
      <source> Bytes</source>
      <translation> バイト</translation>
    </message>
    <message>
      <source> KBytes</source>
      <translation> Kバイト</translation>
    </message>
    <message>
      <source>Can not detect gameboy logo.</source>
      <translation>Game Boy のロゴを検出できません。</translation>
    </message>
    <message>
      <source>Maybe it's not a standard cartridge.</source>
      <translation>標準のカートリッジではない可能性があります。</translation>
    </message>
    <message>
      <source>--GB/GBC Cartridge information--</source>
      <translation>--GB/GBC カートリッジ情報--</translation>
    </message>
    <message>
      <source>Title: </source>
      <translation>タイトル: </translation>
    </message>
    <message>
      <source>MBC1 multicart: a second game header at 0x40000.</source>
      <translation>MBC1 マルチカート：0x40000 に2本目のゲームのヘッダーがあります。</translation>
    </message>
    <message>
      <source>This board cannot be told apart from an MBC1 multicart: please set MBC TYPE yourself.</source>
      <translation>警告：この基板は MBC1 マルチカートと区別できません。MBC TYPE を自分で設定してください。</translation>
    </message>
    <message>
      <source>ROM SIZE: </source>
      <translation>ROM サイズ: </translation>
    </message>
    <message>
      <source> KB</source>
      <translation> KB</translation>
    </message>
    <message>
      <source>RAM SIZE: </source>
      <translation>RAM サイズ: </translation>
    </message>
  </context>
  <context>
    <name>mdThreadDump</name>
    <message>
      <source>Can not auto detect cartridge information</source>
      <translation>カートリッジ情報を自動検出できません</translation>
    </message>
    <message>
      <source>Please set ROM SIZE by yourself to dump the ROM</source>
      <translation>ROM をダンプするには ROM SIZE を手動で設定してください</translation>
    </message>
    <message>
      <source>&#xd;
</source>
      <translation>&#xd;
</translation>
    </message>
    <message>
      <source>Can not open dump device.</source>
      <translation>ダンプデバイスを開けません。</translation>
    </message>
    <message>
      <source>Not in the catalogue.</source>
      <translation>カタログに登録されていません。</translation>
    </message>
    <message>
      <source>Matches your own entry: </source>
      <translation>自分で登録したエントリと一致: </translation>
    </message>
    <message>
      <source>Verified: </source>
      <translation>照合済み: </translation>
    </message>
    <message>
      <source>From the DAT file %1.</source>
      <translation>出典: DAT ファイル %1。</translation>
    </message>
    <message>
      <source>From the DAT file %1, version %2.</source>
      <translation>出典: DAT ファイル %1、バージョン %2。</translation>
    </message>
    <message>
      <source>Header checksum OK.</source>
      <translation>ヘッダーのチェックサムは正常です。</translation>
    </message>
    <message>
      <source>Header checksum mismatch.</source>
      <translation>ヘッダーのチェックサムが一致しません。</translation>
    </message>
    <message>
      <source>The cartridge repeats its data past %1 KB: saving %1 KB, its true size, of the %2 KB read.</source>
      <translation>カートリッジは %1 KB から先でデータを繰り返しています：読み込んだ %2 KB のうち、本来のサイズ %1 KB を保存します。</translation>
    </message>
    <message>
      <source>Warning: the image fails its header checksum; it may be a bad dump.</source>
      <translation>警告: イメージがヘッダーのチェックサムと一致しません。不良ダンプの可能性があります。</translation>
    </message>
    <message>
      <source>The cartridge header declares %1 KB; dumping %2 KB as chosen.</source>
      <translation>警告: カートリッジのヘッダーは %1 KB と宣言していますが、選択どおり %2 KB をダンプします。</translation>
    </message>
    <message>
      <source>Warning: the image is %1 KB, but its header declares %2 KB.</source>
      <translation>警告: イメージは %1 KB ですが、ヘッダーは %2 KB と宣言しています。</translation>
    </message>
    <message>
      <source>Save file error.</source>
      <translation>ファイルの保存に失敗しました。</translation>
    </message>
    <message>
    </message>
    <message>
      <source>Can not open dump device.</source>
      <translation>ダンプデバイスを開けません。</translation>
    </message>
    <message>
      <source>Warning: two reads of the cartridge header differ; the contacts may be dirty. Clean them, or read twice and compare.</source>
      <translation>警告：カートリッジヘッダーを2回読んだ結果が一致しません。端子が汚れているかもしれません。清掃するか、2回読んで比較してください。</translation>
    </message>
    <message>
      <source>Dump canceled.</source>
      <translation>ダンプを中止しました。</translation>
    </message>
    <message>
      <source>Read error at 0x</source>
      <translation>読み取りエラー: アドレス 0x</translation>
    </message>
    <message>
      <source>Device command error.</source>
      <translation>デバイスのコマンドエラーです。</translation>
    </message>
    <message>
      <source>Unstable reads at 0x%1: clean the contacts and try again.</source>
      <translation>0x%1 の読み取りが安定しません：端子を清掃してやり直してください。</translation>
    </message>
    <message>
      <source>No cartridge answers.</source>
      <translation>カートリッジが応答しません。</translation>
    </message>
    <message>
      <source>Save file success.</source>
      <translation>ファイルを保存しました。</translation>
    </message>
    <message>
      <source>File CRC: 0x</source>
      <translation>ファイル CRC: 0x</translation>
    </message>
    <message>
      <source>Read twice and compared; blocks read again: </source>
      <translation>2回読んで比較しました。読み直したブロック数：</translation>
    </message>
  </context>
  <context>
    <name>mdThreadInfo</name>
    <message>
      <source>Can not auto detect cartridge information</source>
      <translation>カートリッジ情報を自動検出できません</translation>
    </message>
    <message>
      <source>Please set ROM SIZE by yourself to dump the ROM</source>
      <translation>ROM をダンプするには ROM SIZE を手動で設定してください</translation>
    </message>
    <message>
      <source>&#xd;
</source>
      <translation>&#xd;
</translation>
    </message>
    <message>
      <source>Can not open dump device.</source>
      <translation>ダンプデバイスを開けません。</translation>
    </message>
    <message>
      <source>--Device information--</source>
      <translation>--デバイス情報--</translation>
    </message>
    <message>
      <source>Driver label: </source>
      <translation>ドライバーラベル: </translation>
    </message>
    <message>
      <source>Device firmware: </source>
      <translation>デバイスのファームウェア: </translation>
    </message>
    <message>
      <source>Device command error.</source>
      <translation>デバイスのコマンドエラーです。</translation>
    </message>
    <message>
      <source>Read error at 0x</source>
      <translation>読み取りエラー: アドレス 0x</translation>
    </message>
    <message>
      <source>No cartridge answers.</source>
      <translation>カートリッジが応答しません。</translation>
    </message>
    <message>
      <source>In the catalogue: </source>
      <translation>カタログに登録: </translation>
    </message>
    <message>
      <source>The ROM size is not settled: it may be </source>
      <translation>警告：ROM サイズが決まりません。候補：</translation>
    </message>
    <message>
      <source>--MD/GENS Cartridge information--</source>
      <translation>--MD/GENS カートリッジ情報--</translation>
    </message>
    <message>
      <source>Title: </source>
      <translation>タイトル: </translation>
    </message>
    <message>
      <source>Year: </source>
      <translation>発売年: </translation>
    </message>
    <message>
      <source>Publisher: </source>
      <translation>発売元: </translation>
    </message>
    <message>
      <source>Alt Title: </source>
      <translation>別タイトル: </translation>
    </message>
    <message>
      <source>Size: </source>
      <translation>サイズ: </translation>
    </message>
    <message>
      <source>The values above come from the cartridge header.</source>
      <translation>上記の値はカートリッジのヘッダーから読み取ったものです。</translation>
    </message>
    <message>
      <source>Serial: </source>
      <translation>型番: </translation>
    </message>
    <message>
      <source>The header gives no usable ROM end; please set ROM SIZE by yourself.</source>
      <translation>ヘッダーに使用できる ROM の終了アドレスがありません。ROM SIZE を手動で設定してください。</translation>
    </message>
    <message>
      <source>The cartridge repeats its start past the declared end, as a ROM of that size does.</source>
      <translation>宣言された終端の先でカートリッジの先頭が繰り返されています。そのサイズの ROM として正常です。</translation>
    </message>
    <message>
      <source>The cartridge does not repeat its start past the declared end: it may hold more than its header says.</source>
      <translation>宣言された終端の先でカートリッジの先頭が繰り返されていません。ヘッダーの記載より大きい可能性があります。</translation>
    </message>
    <message>
      <source>No ROM SIZE option holds the declared size; please set ROM SIZE by yourself.</source>
      <translation>宣言されたサイズが収まる ROM SIZE の選択肢がありません。ROM SIZE を手動で設定してください。</translation>
    </message>
    <message>
      <source>No ROM SIZE option equals the declared size; rounded up to </source>
      <translation>宣言されたサイズと一致する ROM SIZE の選択肢がないため、次の値に切り上げました: </translation>
    </message>
  </context>
  <context>
    <name>msxThreadDump</name>
    <message>
      <source>Can not auto detect cartridge information</source>
      <translation>カートリッジ情報を自動検出できません</translation>
    </message>
    <message>
      <source>Please set ROM SIZE by yourself to dump the ROM</source>
      <translation>ROM をダンプするには ROM SIZE を手動で設定してください</translation>
    </message>
    <message>
      <source>&#xd;
</source>
      <translation>&#xd;
</translation>
    </message>
    <message>
      <source>Can not open dump device.</source>
      <translation>ダンプデバイスを開けません。</translation>
    </message>
    <message>
      <source>Not in the catalogue.</source>
      <translation>カタログに登録されていません。</translation>
    </message>
    <message>
      <source>Matches your own entry: </source>
      <translation>自分で登録したエントリと一致: </translation>
    </message>
    <message>
      <source>Verified: </source>
      <translation>照合済み: </translation>
    </message>
    <message>
      <source>From the DAT file %1.</source>
      <translation>出典: DAT ファイル %1。</translation>
    </message>
    <message>
      <source>From the DAT file %1, version %2.</source>
      <translation>出典: DAT ファイル %1、バージョン %2。</translation>
    </message>
    <message>
      <source>Header checksum OK.</source>
      <translation>ヘッダーのチェックサムは正常です。</translation>
    </message>
    <message>
      <source>Header checksum mismatch.</source>
      <translation>ヘッダーのチェックサムが一致しません。</translation>
    </message>
    <message>
      <source>The cartridge repeats its data past %1 KB: saving %1 KB, its true size, of the %2 KB read.</source>
      <translation>カートリッジは %1 KB から先でデータを繰り返しています：読み込んだ %2 KB のうち、本来のサイズ %1 KB を保存します。</translation>
    </message>
    <message>
      <source>Warning: the image fails its header checksum; it may be a bad dump.</source>
      <translation>警告: イメージがヘッダーのチェックサムと一致しません。不良ダンプの可能性があります。</translation>
    </message>
    <message>
      <source>The cartridge header declares %1 KB; dumping %2 KB as chosen.</source>
      <translation>警告: カートリッジのヘッダーは %1 KB と宣言していますが、選択どおり %2 KB をダンプします。</translation>
    </message>
    <message>
      <source>Warning: the image is %1 KB, but its header declares %2 KB.</source>
      <translation>警告: イメージは %1 KB ですが、ヘッダーは %2 KB と宣言しています。</translation>
    </message>
    <message>
      <source>Save file error.</source>
      <translation>ファイルの保存に失敗しました。</translation>
    </message>
    <message>
    </message>
    <message>
      <source>Can not open dump device.</source>
      <translation>ダンプデバイスを開けません。</translation>
    </message>
    <message>
      <source>Warning: two reads of the cartridge header differ; the contacts may be dirty. Clean them, or read twice and compare.</source>
      <translation>警告：カートリッジヘッダーを2回読んだ結果が一致しません。端子が汚れているかもしれません。清掃するか、2回読んで比較してください。</translation>
    </message>
    <message>
      <source>Dump canceled.</source>
      <translation>ダンプを中止しました。</translation>
    </message>
    <message>
      <source>Read error at 0x</source>
      <translation>読み取りエラー: アドレス 0x</translation>
    </message>
    <message>
      <source>Device command error.</source>
      <translation>デバイスのコマンドエラーです。</translation>
    </message>
    <message>
      <source>Unstable reads at 0x%1: clean the contacts and try again.</source>
      <translation>0x%1 の読み取りが安定しません：端子を清掃してやり直してください。</translation>
    </message>
    <message>
      <source>No cartridge answers.</source>
      <translation>カートリッジが応答しません。</translation>
    </message>
    <message>
      <source>Save file success.</source>
      <translation>ファイルを保存しました。</translation>
    </message>
    <message>
      <source>File CRC: 0x</source>
      <translation>ファイル CRC: 0x</translation>
    </message>
    <message>
      <source>Read twice and compared; blocks read again: </source>
      <translation>2回読んで比較しました。読み直したブロック数：</translation>
    </message>
    <message>
      <source>Unknow mapper.</source>
      <translation>不明なマッパーです。</translation>
    </message>
    <message>
      <source>Debug dump 64K.</source>
      <translation>デバッグ用に 64K をダンプします。</translation>
    </message>
    <message>
      <source>Warning: the FM-PAC board reads back its registers at 0x7FF6 and 0x7FF7, so bytes 0x3FF6 and 0x3FF7 of every 16 KB bank in the image are register values, not ROM.</source>
      <translation>警告: FM-PAC のボードは 0x7FF6 と 0x7FF7 でレジスタの値を返すため、イメージの各 16 KB バンクの 0x3FF6 と 0x3FF7 のバイトは ROM ではなくレジスタの値です。</translation>
    </message>
  </context>
  <context>
    <name>msxThreadInfo</name>
    <message>
      <source>Can not auto detect cartridge information</source>
      <translation>カートリッジ情報を自動検出できません</translation>
    </message>
    <message>
      <source>Please set ROM SIZE by yourself to dump the ROM</source>
      <translation>ROM をダンプするには ROM SIZE を手動で設定してください</translation>
    </message>
    <message>
      <source>&#xd;
</source>
      <translation>&#xd;
</translation>
    </message>
    <message>
      <source>Can not open dump device.</source>
      <translation>ダンプデバイスを開けません。</translation>
    </message>
    <message>
      <source>--Device information--</source>
      <translation>--デバイス情報--</translation>
    </message>
    <message>
      <source>Driver label: </source>
      <translation>ドライバーラベル: </translation>
    </message>
    <message>
      <source>Device firmware: </source>
      <translation>デバイスのファームウェア: </translation>
    </message>
    <message>
      <source>Device command error.</source>
      <translation>デバイスのコマンドエラーです。</translation>
    </message>
    <message>
      <source>Read error at 0x</source>
      <translation>読み取りエラー: アドレス 0x</translation>
    </message>
    <message>
      <source>No cartridge answers.</source>
      <translation>カートリッジが応答しません。</translation>
    </message>
    <message>
      <source>In the catalogue: </source>
      <translation>カタログに登録: </translation>
    </message>
    <message>
      <source>The ROM size is not settled: it may be </source>
      <translation>警告：ROM サイズが決まりません。候補：</translation>
    </message>
    <message>
      <source>Name: </source>
      <translation>名前: </translation>
    </message>
    <message>
      <source>Company: </source>
      <translation>メーカー: </translation>
    </message>
    <message>
      <source>Year: </source>
      <translation>発売年: </translation>
    </message>
    <message>
      <source>Mapper: </source>
      <translation>マッパー: </translation>
    </message>
    <message>
      <source>Mapper candidates, by bank register stores: </source>
      <translation>マッパー候補 (バンクレジスタへの書き込み回数順): </translation>
    </message>
    <message>
      <source>The bank switching fits no single mapper clearly.</source>
      <translation>バンク切り替えの動作が、どのマッパーにも明確には当てはまりません。</translation>
    </message>
    <message>
      <source>The ROM does not repeat within 2048 KB: its size cannot be measured.</source>
      <translation>ROM が 2048 KB 以内で繰り返されないため、サイズを測定できません。</translation>
    </message>
    <message>
      <source>Not in the title table: the size and mapper come from the cartridge itself.</source>
      <translation>タイトル表に登録されていません。サイズとマッパーはカートリッジ自体から求めたものです。</translation>
    </message>
    <message>
      <source>ROM SIZE: </source>
      <translation>ROM サイズ: </translation>
    </message>
    <message>
      <source> KB</source>
      <translation> KB</translation>
    </message>
    <message>
      <source>A probe would write into a mapped SRAM; stopped.</source>
      <translation>調査の書き込みがマップされた SRAM に届くため、中止しました。</translation>
    </message>
    <message>
      <source>No bank register answers: the stores are not bank switching.</source>
      <translation>警告：応答するバンクレジスタがありません。これらの書き込みはバンク切り替えではありません。</translation>
    </message>
    <message>
      <source>The bank registers that answer are those of mapper </source>
      <translation>応答するバンクレジスタは次の mapper のものです：</translation>
    </message>
    <message>
      <source>The board switches banks through other registers than the code suggests: mapper </source>
      <translation>警告：基板はコードが示すものとは別のレジスタでバンクを切り替えます：mapper </translation>
    </message>
    <message>
      <source>The board's bank registers fit no single mapper: </source>
      <translation>警告：基板のバンクレジスタに合う mapper が一つに決まりません：</translation>
    </message>
    <message>
      <source>none</source>
      <translation>なし</translation>
    </message>
  </context>
  <context>
    <name>sfcThreadDump</name>
    <message>
      <source>Can not auto detect cartridge information</source>
      <translation>カートリッジ情報を自動検出できません</translation>
    </message>
    <message>
      <source>Please set ROM SIZE by yourself to dump the ROM</source>
      <translation>ROM をダンプするには ROM SIZE を手動で設定してください</translation>
    </message>
    <message>
      <source>&#xd;
</source>
      <translation>&#xd;
</translation>
    </message>
    <message>
      <source>Can not open dump device.</source>
      <translation>ダンプデバイスを開けません。</translation>
    </message>
    <message>
      <source>Not in the catalogue.</source>
      <translation>カタログに登録されていません。</translation>
    </message>
    <message>
      <source>Matches your own entry: </source>
      <translation>自分で登録したエントリと一致: </translation>
    </message>
    <message>
      <source>Verified: </source>
      <translation>照合済み: </translation>
    </message>
    <message>
      <source>From the DAT file %1.</source>
      <translation>出典: DAT ファイル %1。</translation>
    </message>
    <message>
      <source>From the DAT file %1, version %2.</source>
      <translation>出典: DAT ファイル %1、バージョン %2。</translation>
    </message>
    <message>
      <source>Header checksum OK.</source>
      <translation>ヘッダーのチェックサムは正常です。</translation>
    </message>
    <message>
      <source>Header checksum mismatch.</source>
      <translation>ヘッダーのチェックサムが一致しません。</translation>
    </message>
    <message>
      <source>The cartridge repeats its data past %1 KB: saving %1 KB, its true size, of the %2 KB read.</source>
      <translation>カートリッジは %1 KB から先でデータを繰り返しています：読み込んだ %2 KB のうち、本来のサイズ %1 KB を保存します。</translation>
    </message>
    <message>
      <source>Warning: the image fails its header checksum; it may be a bad dump.</source>
      <translation>警告: イメージがヘッダーのチェックサムと一致しません。不良ダンプの可能性があります。</translation>
    </message>
    <message>
      <source>The cartridge header declares %1 KB; dumping %2 KB as chosen.</source>
      <translation>警告: カートリッジのヘッダーは %1 KB と宣言していますが、選択どおり %2 KB をダンプします。</translation>
    </message>
    <message>
      <source>Warning: the image is %1 KB, but its header declares %2 KB.</source>
      <translation>警告: イメージは %1 KB ですが、ヘッダーは %2 KB と宣言しています。</translation>
    </message>
    <message>
      <source>Save file error.</source>
      <translation>ファイルの保存に失敗しました。</translation>
    </message>
    <message>
    </message>
    <message>
      <source>Can not open dump device.</source>
      <translation>ダンプデバイスを開けません。</translation>
    </message>
    <message>
      <source>Warning: two reads of the cartridge header differ; the contacts may be dirty. Clean them, or read twice and compare.</source>
      <translation>警告：カートリッジヘッダーを2回読んだ結果が一致しません。端子が汚れているかもしれません。清掃するか、2回読んで比較してください。</translation>
    </message>
    <message>
      <source>Dump canceled.</source>
      <translation>ダンプを中止しました。</translation>
    </message>
    <message>
      <source>Read error at 0x</source>
      <translation>読み取りエラー: アドレス 0x</translation>
    </message>
    <message>
      <source>Device command error.</source>
      <translation>デバイスのコマンドエラーです。</translation>
    </message>
    <message>
      <source>Unstable reads at 0x%1: clean the contacts and try again.</source>
      <translation>0x%1 の読み取りが安定しません：端子を清掃してやり直してください。</translation>
    </message>
    <message>
      <source>No cartridge answers.</source>
      <translation>カートリッジが応答しません。</translation>
    </message>
    <message>
      <source>Save file success.</source>
      <translation>ファイルを保存しました。</translation>
    </message>
    <message>
      <source>File CRC: 0x</source>
      <translation>ファイル CRC: 0x</translation>
    </message>
    <message>
      <source>Read twice and compared; blocks read again: </source>
      <translation>2回読んで比較しました。読み直したブロック数：</translation>
    </message>
    <message>
      <source>Unknow mapper:</source>
      <translation>不明なマッパー: </translation>
    </message>
  </context>
  <context>
    <name>sfcThreadInfo</name>
    <message>
      <source>Can not auto detect cartridge information</source>
      <translation>カートリッジ情報を自動検出できません</translation>
    </message>
    <message>
      <source>Please set ROM SIZE by yourself to dump the ROM</source>
      <translation>ROM をダンプするには ROM SIZE を手動で設定してください</translation>
    </message>
    <message>
      <source>&#xd;
</source>
      <translation>&#xd;
</translation>
    </message>
    <message>
      <source>Can not open dump device.</source>
      <translation>ダンプデバイスを開けません。</translation>
    </message>
    <message>
      <source>--Device information--</source>
      <translation>--デバイス情報--</translation>
    </message>
    <message>
      <source>Driver label: </source>
      <translation>ドライバーラベル: </translation>
    </message>
    <message>
      <source>Device firmware: </source>
      <translation>デバイスのファームウェア: </translation>
    </message>
    <message>
      <source>Device command error.</source>
      <translation>デバイスのコマンドエラーです。</translation>
    </message>
    <message>
      <source>Read error at 0x</source>
      <translation>読み取りエラー: アドレス 0x</translation>
    </message>
    <message>
      <source>No cartridge answers.</source>
      <translation>カートリッジが応答しません。</translation>
    </message>
    <message>
      <source>In the catalogue: </source>
      <translation>カタログに登録: </translation>
    </message>
    <message>
      <source>The ROM size is not settled: it may be </source>
      <translation>警告：ROM サイズが決まりません。候補：</translation>
    </message>
    <message>
      <source>--SFC/SNES Cartridge information--</source>
      <translation>--SFC/SNES カートリッジ情報--</translation>
    </message>
    <message>
      <source>Title: </source>
      <translation>タイトル: </translation>
    </message>
    <message>
      <source>Company: </source>
      <translation>メーカー: </translation>
    </message>
    <message>
      <source>Year: </source>
      <translation>発売年: </translation>
    </message>
    <message>
      <source>Alt name: </source>
      <translation>別名: </translation>
    </message>
    <message>
      <source>ROM SIZE: </source>
      <translation>ROM サイズ: </translation>
    </message>
    <message>
      <source>Mbit</source>
      <translation>Mbit</translation>
    </message>
    <message>
      <source>RAM SIZE: </source>
      <translation>RAM サイズ: </translation>
    </message>
    <message>
      <source>Kbytes</source>
      <translation>Kバイト</translation>
    </message>
  </context>
  <context>
    <name>smsThreadDump</name>
    <message>
      <source>Can not auto detect cartridge information</source>
      <translation>カートリッジ情報を自動検出できません</translation>
    </message>
    <message>
      <source>Please set ROM SIZE by yourself to dump the ROM</source>
      <translation>ROM をダンプするには ROM SIZE を手動で設定してください</translation>
    </message>
    <message>
      <source>&#xd;
</source>
      <translation>&#xd;
</translation>
    </message>
    <message>
      <source>Can not open dump device.</source>
      <translation>ダンプデバイスを開けません。</translation>
    </message>
    <message>
      <source>Not in the catalogue.</source>
      <translation>カタログに登録されていません。</translation>
    </message>
    <message>
      <source>Matches your own entry: </source>
      <translation>自分で登録したエントリと一致: </translation>
    </message>
    <message>
      <source>Verified: </source>
      <translation>照合済み: </translation>
    </message>
    <message>
      <source>From the DAT file %1.</source>
      <translation>出典: DAT ファイル %1。</translation>
    </message>
    <message>
      <source>From the DAT file %1, version %2.</source>
      <translation>出典: DAT ファイル %1、バージョン %2。</translation>
    </message>
    <message>
      <source>Header checksum OK.</source>
      <translation>ヘッダーのチェックサムは正常です。</translation>
    </message>
    <message>
      <source>Header checksum mismatch.</source>
      <translation>ヘッダーのチェックサムが一致しません。</translation>
    </message>
    <message>
      <source>The cartridge repeats its data past %1 KB: saving %1 KB, its true size, of the %2 KB read.</source>
      <translation>カートリッジは %1 KB から先でデータを繰り返しています：読み込んだ %2 KB のうち、本来のサイズ %1 KB を保存します。</translation>
    </message>
    <message>
      <source>Warning: the image fails its header checksum; it may be a bad dump.</source>
      <translation>警告: イメージがヘッダーのチェックサムと一致しません。不良ダンプの可能性があります。</translation>
    </message>
    <message>
      <source>The cartridge header declares %1 KB; dumping %2 KB as chosen.</source>
      <translation>警告: カートリッジのヘッダーは %1 KB と宣言していますが、選択どおり %2 KB をダンプします。</translation>
    </message>
    <message>
      <source>Warning: the image is %1 KB, but its header declares %2 KB.</source>
      <translation>警告: イメージは %1 KB ですが、ヘッダーは %2 KB と宣言しています。</translation>
    </message>
    <message>
      <source>Save file error.</source>
      <translation>ファイルの保存に失敗しました。</translation>
    </message>
    <message>
    </message>
    <message>
      <source>Can not open dump device.</source>
      <translation>ダンプデバイスを開けません。</translation>
    </message>
    <message>
      <source>Warning: two reads of the cartridge header differ; the contacts may be dirty. Clean them, or read twice and compare.</source>
      <translation>警告：カートリッジヘッダーを2回読んだ結果が一致しません。端子が汚れているかもしれません。清掃するか、2回読んで比較してください。</translation>
    </message>
    <message>
      <source>Dump canceled.</source>
      <translation>ダンプを中止しました。</translation>
    </message>
    <message>
      <source>Read error at 0x</source>
      <translation>読み取りエラー: アドレス 0x</translation>
    </message>
    <message>
      <source>Device command error.</source>
      <translation>デバイスのコマンドエラーです。</translation>
    </message>
    <message>
      <source>Unstable reads at 0x%1: clean the contacts and try again.</source>
      <translation>0x%1 の読み取りが安定しません：端子を清掃してやり直してください。</translation>
    </message>
    <message>
      <source>No cartridge answers.</source>
      <translation>カートリッジが応答しません。</translation>
    </message>
    <message>
      <source>Save file success.</source>
      <translation>ファイルを保存しました。</translation>
    </message>
    <message>
      <source>File CRC: 0x</source>
      <translation>ファイル CRC: 0x</translation>
    </message>
    <message>
      <source>Read twice and compared; blocks read again: </source>
      <translation>2回読んで比較しました。読み直したブロック数：</translation>
    </message>
    <message>
      <source>Device not support:</source>
      <translation>このデバイスは対応していません: </translation>
    </message>
  </context>
  <context>
    <name>smsThreadInfo</name>
    <message>
      <source>Can not auto detect cartridge information</source>
      <translation>カートリッジ情報を自動検出できません</translation>
    </message>
    <message>
      <source>Please set ROM SIZE by yourself to dump the ROM</source>
      <translation>ROM をダンプするには ROM SIZE を手動で設定してください</translation>
    </message>
    <message>
      <source>&#xd;
</source>
      <translation>&#xd;
</translation>
    </message>
    <message>
      <source>Can not open dump device.</source>
      <translation>ダンプデバイスを開けません。</translation>
    </message>
    <message>
      <source>--Device information--</source>
      <translation>--デバイス情報--</translation>
    </message>
    <message>
      <source>Driver label: </source>
      <translation>ドライバーラベル: </translation>
    </message>
    <message>
      <source>Device firmware: </source>
      <translation>デバイスのファームウェア: </translation>
    </message>
    <message>
      <source>Device command error.</source>
      <translation>デバイスのコマンドエラーです。</translation>
    </message>
    <message>
      <source>Read error at 0x</source>
      <translation>読み取りエラー: アドレス 0x</translation>
    </message>
    <message>
      <source>No cartridge answers.</source>
      <translation>カートリッジが応答しません。</translation>
    </message>
    <message>
      <source>In the catalogue: </source>
      <translation>カタログに登録: </translation>
    </message>
    <message>
      <source>The ROM size is not settled: it may be </source>
      <translation>警告：ROM サイズが決まりません。候補：</translation>
    </message>
    <message>
      <source>Device not support:</source>
      <translation>このデバイスは対応していません: </translation>
    </message>
    <message>
      <source>Device only support:QXB_RDR07_FW310 or newer</source>
      <translation>対応するデバイスは QXB_RDR07_FW310 以降のみです</translation>
    </message>
    <message>
      <source>Find game: </source>
      <translation>ゲームを検出: </translation>
    </message>
    <message>
      <source>Please set ROM SIZE to </source>
      <translation>ROM SIZE を </translation>
    </message>
    <message>
      <source> Kbytes to dump ROM.</source>
      <translation> Kbytes に設定して ROM をダンプしてください。</translation>
    </message>
    <message>
      <source>Codemasters board: a header at 0x7FE0, banks switched at 0x0000, 0x4000 and 0x8000.</source>
      <translation>Codemasters 基板：0x7FE0 にヘッダー、バンクは 0x0000、0x4000、0x8000 で切り替えます。</translation>
    </message>
    <message>
      <source>A Codemasters header, but the board cannot be told apart from a Sega one: please set MMC TYPE and ROM SIZE yourself.</source>
      <translation>警告：Codemasters のヘッダーがありますが、基板を Sega のものと区別できません。MMC TYPE と ROM SIZE を自分で設定してください。</translation>
    </message>
    <message>
      <source>unknown game (no cartridge header)</source>
      <translation>不明なゲーム (カートリッジのヘッダーがありません)</translation>
    </message>
    <message>
      <source>unknown game (the product code is not readable)</source>
      <translation>不明なゲーム (製品コードを読み取れません)</translation>
    </message>
    <message>
      <source>unknown game (product code %1)</source>
      <translation>不明なゲーム (製品コード %1)</translation>
    </message>
    <message>
      <source>The cartridge repeats its first bank after %1 KB.</source>
      <translation>カートリッジの最初のバンクが %1 KB の位置で繰り返されています。</translation>
    </message>
    <message>
      <source>Cartridge header: product code %1, version %2, size code %3 KB.</source>
      <translation>カートリッジのヘッダー: 製品コード %1、バージョン %2、サイズコード %3 KB。</translation>
    </message>
  </context>
</TS>
