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
    <message>
      <source>MBC TYPE:</source>
      <translation>MBC タイプ:</translation>
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
    <message>
      <source>A save memory operation is running. Cancel it and close the window?</source>
      <translation>セーブメモリーの操作を実行中です。中止してウィンドウを閉じますか?</translation>
    </message>
  </context>
  <context>
    <name>TabGui</name>
    <message>
      <source>%1 left</source>
      <translation>残り %1</translation>
    </message>
    <message>
      <source>Write SRAM</source>
      <translation>SRAM 書き込み</translation>
    </message>
    <message>
      <source>Write %1 into the save memory of the cartridge "%2"?

Its current save is kept first as a backup beside the file.</source>
      <translation>%1 をカートリッジ「%2」のセーブメモリに書き込みますか?

現在のセーブは先にバックアップとしてファイルの横に保存されます。</translation>
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
      <source>Read SRAM to...</source>
      <translation>SRAMの保存先...</translation>
    </message>
    <message>
      <source>Reading save memory to file:</source>
      <translation>セーブメモリをファイルに読み込み中:</translation>
    </message>
    <message>
      <source>Write SRAM from...</source>
      <translation>SRAMに書き込むファイル...</translation>
    </message>
    <message>
      <source>Writing save memory from file:</source>
      <translation>ファイルからセーブメモリに書き込み中:</translation>
    </message>
    <message>
      <source>GBA Rom (*.gba)</source>
      <translation>GBA ROM イメージ (*.gba)</translation>
    </message>
    <message>
      <source>GBA SRAM (*.sav)</source>
      <translation>GBA SRAM (*.sav)</translation>
    </message>
    <message>
      <source>GB Rom (*.gb);;GBC Rom (*.gbc)</source>
      <translation>GB ROM イメージ (*.gb);;GBC ROM イメージ (*.gbc)</translation>
    </message>
    <message>
      <source>GB SRAM (*.sav)</source>
      <translation>GB SRAM (*.sav)</translation>
    </message>
    <message>
      <source>MD Rom (*.md)</source>
      <translation>MD ROM イメージ (*.md)</translation>
    </message>
    <message>
      <source>MD SRAM (*.srm)</source>
      <translation>MD SRAM (*.srm)</translation>
    </message>
    <message>
      <source>MSX Rom (*.rom)</source>
      <translation>MSX ROM イメージ (*.rom)</translation>
    </message>
    <message>
      <source>MSX SRAM (*.sav)</source>
      <translation>MSX SRAM (*.sav)</translation>
    </message>
    <message>
      <source>%1 in %2, %3, CRC-32 %4</source>
      <translation>%1、%2、%3、CRC-32 %4</translation>
    </message>
    <message>
      <source>SFC Rom (*.sfc)</source>
      <translation>SFC ROM イメージ (*.sfc)</translation>
    </message>
    <message>
      <source>SFC SRAM (*.srm)</source>
      <translation>SFC SRAM (*.srm)</translation>
    </message>
    <message>
      <source>SMS Rom (*.sms)</source>
      <translation>SMS ROM イメージ (*.sms)</translation>
    </message>
    <message>
      <source>SMS SRAM (*.sav)</source>
      <translation>SMS SRAM (*.sav)</translation>
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
    <name>gbaThreadReadSave</name>
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
      <source>The two reads of the save memory differ at 0x%1: the contacts may be dirty. Nothing was saved.</source>
      <translation>セーブメモリの2回の読み込みが 0x%1 で一致しません。端子が汚れている可能性があります。何も保存していません。</translation>
    </message>
    <message>
      <source>The save memory reads as 0xFF throughout: no RAM answers, or it holds no save. Nothing was saved.</source>
      <translation>セーブメモリはすべて0xFFです。RAMが応答しないか、セーブがありません。何も保存していません。</translation>
    </message>
    <message>
      <source>The save memory shows the ROM's own bytes: the RAM the header promises is not there. Nothing was saved.</source>
      <translation>セーブメモリにROM自体のデータが見えます。ヘッダーが示すRAMがありません。何も保存していません。</translation>
    </message>
    <message>
      <source>Save file error.</source>
      <translation>ファイルの保存に失敗しました。</translation>
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
      <source>The two reads of the save memory differ at 0x%1: the contacts may be dirty. Nothing was written.</source>
      <translation>セーブメモリの2回の読み込みが 0x%1 で一致しません。端子が汚れている可能性があります。何も書き込んでいません。</translation>
    </message>
    <message>
      <source>The backup could not be kept, so nothing was written: </source>
      <translation>バックアップを保存できなかったため、何も書き込んでいません: </translation>
    </message>
    <message>
      <source>Backup of the cartridge's save: </source>
      <translation>カートリッジのセーブのバックアップ: </translation>
    </message>
    <message>
      <source>The read-back differs; writing the bank again one command at a time from 0x</source>
      <translation>警告: 読み戻しが一致しません。1コマンドずつバンクを書き直します: 0x</translation>
    </message>
    <message>
      <source>The save memory does not hold the file: the read-back differs at 0x</source>
      <translation>セーブメモリの内容がファイルと一致しません。読み戻しの相違位置: 0x</translation>
    </message>
    <message>
      <source>The save that was there before is kept in </source>
      <translation>以前のセーブの保存先: </translation>
    </message>
    <message>
      <source>Written and read back: the save memory holds </source>
      <translation>書き込みと読み戻しを確認しました。セーブメモリの内容: </translation>
    </message>
    <message>
      <source>Can not read the save file: </source>
      <translation>セーブファイルを読めません: </translation>
    </message>
    <message>
      <source>The file holds %1 bytes, but this cartridge's save is %2 bytes%3. Nothing was written.</source>
      <translation>ファイルは %1 バイトですが、このカートリッジのセーブは %2 バイトです%3。何も書き込んでいません。</translation>
    </message>
    <message>
      <source> (or %1 with the clock)</source>
      <translation>(時計付きなら %1)</translation>
    </message>
    <message>
      <source>The backup file exists already; choose another: </source>
      <translation>バックアップファイルは既に存在します。別の名前を選んでください: </translation>
    </message>
    <message>
      <source>Nothing was written.</source>
      <translation>何も書き込んでいません。</translation>
    </message>
    <message>
      <source>Save memory: </source>
      <translation>セーブメモリ: </translation>
    </message>
    <message>
      <source>File layout: </source>
      <translation>ファイルの形式: </translation>
    </message>
    <message>
      <source>The save memory never appeared: the window shows the same bytes with the RAM mapped as without it. Nothing was saved.</source>
      <translation>セーブメモリが現れませんでした。RAMを割り当てても表示が変わりません。何も保存していません。</translation>
    </message>
    <message>
      <source>Save canceled.</source>
      <translation>セーブ操作を中止しました。</translation>
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
      <source>The save memory may be partly written; the save that was there before is kept in </source>
      <translation>セーブメモリーは途中まで書き込まれている可能性があります。元のセーブは次の場所に保存されています: </translation>
    </message>
    <message>
      <source>The file exists; it is kept: </source>
      <translation>ファイルは既に存在するため残します: </translation>
    </message>
    <message>
      <source>The reader reaches only the Game Boy Advance ROM: the save chips (SRAM, FRAM, Flash, EEPROM) answer outside it, so saves can be neither read nor written.</source>
      <translation>リーダーが届くのはゲームボーイアドバンスのROMだけです。セーブチップ(SRAM、FRAM、Flash、EEPROM)はその外にあるため、セーブの読み書きはできません。</translation>
    </message>
  </context>
  <context>
    <name>gbaThreadWriteSave</name>
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
      <source>The two reads of the save memory differ at 0x%1: the contacts may be dirty. Nothing was saved.</source>
      <translation>セーブメモリの2回の読み込みが 0x%1 で一致しません。端子が汚れている可能性があります。何も保存していません。</translation>
    </message>
    <message>
      <source>The save memory reads as 0xFF throughout: no RAM answers, or it holds no save. Nothing was saved.</source>
      <translation>セーブメモリはすべて0xFFです。RAMが応答しないか、セーブがありません。何も保存していません。</translation>
    </message>
    <message>
      <source>The save memory shows the ROM's own bytes: the RAM the header promises is not there. Nothing was saved.</source>
      <translation>セーブメモリにROM自体のデータが見えます。ヘッダーが示すRAMがありません。何も保存していません。</translation>
    </message>
    <message>
      <source>Save file error.</source>
      <translation>ファイルの保存に失敗しました。</translation>
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
      <source>The two reads of the save memory differ at 0x%1: the contacts may be dirty. Nothing was written.</source>
      <translation>セーブメモリの2回の読み込みが 0x%1 で一致しません。端子が汚れている可能性があります。何も書き込んでいません。</translation>
    </message>
    <message>
      <source>The backup could not be kept, so nothing was written: </source>
      <translation>バックアップを保存できなかったため、何も書き込んでいません: </translation>
    </message>
    <message>
      <source>Backup of the cartridge's save: </source>
      <translation>カートリッジのセーブのバックアップ: </translation>
    </message>
    <message>
      <source>The read-back differs; writing the bank again one command at a time from 0x</source>
      <translation>警告: 読み戻しが一致しません。1コマンドずつバンクを書き直します: 0x</translation>
    </message>
    <message>
      <source>The save memory does not hold the file: the read-back differs at 0x</source>
      <translation>セーブメモリの内容がファイルと一致しません。読み戻しの相違位置: 0x</translation>
    </message>
    <message>
      <source>The save that was there before is kept in </source>
      <translation>以前のセーブの保存先: </translation>
    </message>
    <message>
      <source>Written and read back: the save memory holds </source>
      <translation>書き込みと読み戻しを確認しました。セーブメモリの内容: </translation>
    </message>
    <message>
      <source>Can not read the save file: </source>
      <translation>セーブファイルを読めません: </translation>
    </message>
    <message>
      <source>The file holds %1 bytes, but this cartridge's save is %2 bytes%3. Nothing was written.</source>
      <translation>ファイルは %1 バイトですが、このカートリッジのセーブは %2 バイトです%3。何も書き込んでいません。</translation>
    </message>
    <message>
      <source> (or %1 with the clock)</source>
      <translation>(時計付きなら %1)</translation>
    </message>
    <message>
      <source>The backup file exists already; choose another: </source>
      <translation>バックアップファイルは既に存在します。別の名前を選んでください: </translation>
    </message>
    <message>
      <source>Nothing was written.</source>
      <translation>何も書き込んでいません。</translation>
    </message>
    <message>
      <source>Save memory: </source>
      <translation>セーブメモリ: </translation>
    </message>
    <message>
      <source>File layout: </source>
      <translation>ファイルの形式: </translation>
    </message>
    <message>
      <source>The save memory never appeared: the window shows the same bytes with the RAM mapped as without it. Nothing was saved.</source>
      <translation>セーブメモリが現れませんでした。RAMを割り当てても表示が変わりません。何も保存していません。</translation>
    </message>
    <message>
      <source>Save canceled.</source>
      <translation>セーブ操作を中止しました。</translation>
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
      <source>The save memory may be partly written; the save that was there before is kept in </source>
      <translation>セーブメモリーは途中まで書き込まれている可能性があります。元のセーブは次の場所に保存されています: </translation>
    </message>
    <message>
      <source>The file exists; it is kept: </source>
      <translation>ファイルは既に存在するため残します: </translation>
    </message>
    <message>
      <source>The reader reaches only the Game Boy Advance ROM: the save chips (SRAM, FRAM, Flash, EEPROM) answer outside it, so saves can be neither read nor written.</source>
      <translation>リーダーが届くのはゲームボーイアドバンスのROMだけです。セーブチップ(SRAM、FRAM、Flash、EEPROM)はその外にあるため、セーブの読み書きはできません。</translation>
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
    <name>gbcThreadReadSave</name>
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
      <source>The two reads of the save memory differ at 0x%1: the contacts may be dirty. Nothing was saved.</source>
      <translation>セーブメモリの2回の読み込みが 0x%1 で一致しません。端子が汚れている可能性があります。何も保存していません。</translation>
    </message>
    <message>
      <source>The save memory reads as 0xFF throughout: no RAM answers, or it holds no save. Nothing was saved.</source>
      <translation>セーブメモリはすべて0xFFです。RAMが応答しないか、セーブがありません。何も保存していません。</translation>
    </message>
    <message>
      <source>The save memory shows the ROM's own bytes: the RAM the header promises is not there. Nothing was saved.</source>
      <translation>セーブメモリにROM自体のデータが見えます。ヘッダーが示すRAMがありません。何も保存していません。</translation>
    </message>
    <message>
      <source>Save file error.</source>
      <translation>ファイルの保存に失敗しました。</translation>
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
      <source>The two reads of the save memory differ at 0x%1: the contacts may be dirty. Nothing was written.</source>
      <translation>セーブメモリの2回の読み込みが 0x%1 で一致しません。端子が汚れている可能性があります。何も書き込んでいません。</translation>
    </message>
    <message>
      <source>The backup could not be kept, so nothing was written: </source>
      <translation>バックアップを保存できなかったため、何も書き込んでいません: </translation>
    </message>
    <message>
      <source>Backup of the cartridge's save: </source>
      <translation>カートリッジのセーブのバックアップ: </translation>
    </message>
    <message>
      <source>The read-back differs; writing the bank again one command at a time from 0x</source>
      <translation>警告: 読み戻しが一致しません。1コマンドずつバンクを書き直します: 0x</translation>
    </message>
    <message>
      <source>The save memory does not hold the file: the read-back differs at 0x</source>
      <translation>セーブメモリの内容がファイルと一致しません。読み戻しの相違位置: 0x</translation>
    </message>
    <message>
      <source>The save that was there before is kept in </source>
      <translation>以前のセーブの保存先: </translation>
    </message>
    <message>
      <source>Written and read back: the save memory holds </source>
      <translation>書き込みと読み戻しを確認しました。セーブメモリの内容: </translation>
    </message>
    <message>
      <source>Can not read the save file: </source>
      <translation>セーブファイルを読めません: </translation>
    </message>
    <message>
      <source>The file holds %1 bytes, but this cartridge's save is %2 bytes%3. Nothing was written.</source>
      <translation>ファイルは %1 バイトですが、このカートリッジのセーブは %2 バイトです%3。何も書き込んでいません。</translation>
    </message>
    <message>
      <source> (or %1 with the clock)</source>
      <translation>(時計付きなら %1)</translation>
    </message>
    <message>
      <source>The backup file exists already; choose another: </source>
      <translation>バックアップファイルは既に存在します。別の名前を選んでください: </translation>
    </message>
    <message>
      <source>Nothing was written.</source>
      <translation>何も書き込んでいません。</translation>
    </message>
    <message>
      <source>Save memory: </source>
      <translation>セーブメモリ: </translation>
    </message>
    <message>
      <source>File layout: </source>
      <translation>ファイルの形式: </translation>
    </message>
    <message>
      <source>The save memory never appeared: the window shows the same bytes with the RAM mapped as without it. Nothing was saved.</source>
      <translation>セーブメモリが現れませんでした。RAMを割り当てても表示が変わりません。何も保存していません。</translation>
    </message>
    <message>
      <source>Save canceled.</source>
      <translation>セーブ操作を中止しました。</translation>
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
      <source>The save memory may be partly written; the save that was there before is kept in </source>
      <translation>セーブメモリーは途中まで書き込まれている可能性があります。元のセーブは次の場所に保存されています: </translation>
    </message>
    <message>
      <source>The file exists; it is kept: </source>
      <translation>ファイルは既に存在するため残します: </translation>
    </message>
    <message>
      <source>Can not detect gameboy logo.</source>
      <translation>Game Boy のロゴを検出できません。</translation>
    </message>
    <message>
      <source> The header cannot be trusted, so the save memory is left alone.</source>
      <translation> ヘッダーを信頼できないため、セーブメモリには触れません。</translation>
    </message>
    <message>
      <source>This board's save memory is not supported: </source>
      <translation>このボードのセーブメモリには対応していません: </translation>
    </message>
    <message>
      <source>The cartridge header names another mapper than the one chosen; the header's is used: </source>
      <translation>警告: カートリッジヘッダーは選択と異なるマッパーを示しています。ヘッダーのものを使います: </translation>
    </message>
    <message>
      <source>The header gives no RAM size; set RAM SIZE.</source>
      <translation>ヘッダーにRAMサイズがありません。RAM SIZE を設定してください。</translation>
    </message>
    <message>
      <source>RAM SIZE is not a whole number of 8 KB banks.</source>
      <translation>RAM SIZE が 8 KB バンクの整数倍ではありません。</translation>
    </message>
    <message>
      <source>RAM SIZE is larger than this board can map.</source>
      <translation>RAM SIZE がこのボードで扱える大きさを超えています。</translation>
    </message>
    <message>
      <source>one four-bit cell a byte, high nibble 0</source>
      <translation>4ビットのセルを1バイトに1つ、上位ニブルは0</translation>
    </message>
    <message>
      <source>RAM, then the 48-byte clock footer</source>
      <translation>RAM、続いて48バイトの時計フッター</translation>
    </message>
  </context>
  <context>
    <name>gbcThreadWriteSave</name>
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
      <source>The two reads of the save memory differ at 0x%1: the contacts may be dirty. Nothing was saved.</source>
      <translation>セーブメモリの2回の読み込みが 0x%1 で一致しません。端子が汚れている可能性があります。何も保存していません。</translation>
    </message>
    <message>
      <source>The save memory reads as 0xFF throughout: no RAM answers, or it holds no save. Nothing was saved.</source>
      <translation>セーブメモリはすべて0xFFです。RAMが応答しないか、セーブがありません。何も保存していません。</translation>
    </message>
    <message>
      <source>The save memory shows the ROM's own bytes: the RAM the header promises is not there. Nothing was saved.</source>
      <translation>セーブメモリにROM自体のデータが見えます。ヘッダーが示すRAMがありません。何も保存していません。</translation>
    </message>
    <message>
      <source>Save file error.</source>
      <translation>ファイルの保存に失敗しました。</translation>
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
      <source>The two reads of the save memory differ at 0x%1: the contacts may be dirty. Nothing was written.</source>
      <translation>セーブメモリの2回の読み込みが 0x%1 で一致しません。端子が汚れている可能性があります。何も書き込んでいません。</translation>
    </message>
    <message>
      <source>The backup could not be kept, so nothing was written: </source>
      <translation>バックアップを保存できなかったため、何も書き込んでいません: </translation>
    </message>
    <message>
      <source>Backup of the cartridge's save: </source>
      <translation>カートリッジのセーブのバックアップ: </translation>
    </message>
    <message>
      <source>The read-back differs; writing the bank again one command at a time from 0x</source>
      <translation>警告: 読み戻しが一致しません。1コマンドずつバンクを書き直します: 0x</translation>
    </message>
    <message>
      <source>The save memory does not hold the file: the read-back differs at 0x</source>
      <translation>セーブメモリの内容がファイルと一致しません。読み戻しの相違位置: 0x</translation>
    </message>
    <message>
      <source>The save that was there before is kept in </source>
      <translation>以前のセーブの保存先: </translation>
    </message>
    <message>
      <source>Written and read back: the save memory holds </source>
      <translation>書き込みと読み戻しを確認しました。セーブメモリの内容: </translation>
    </message>
    <message>
      <source>Can not read the save file: </source>
      <translation>セーブファイルを読めません: </translation>
    </message>
    <message>
      <source>The file holds %1 bytes, but this cartridge's save is %2 bytes%3. Nothing was written.</source>
      <translation>ファイルは %1 バイトですが、このカートリッジのセーブは %2 バイトです%3。何も書き込んでいません。</translation>
    </message>
    <message>
      <source> (or %1 with the clock)</source>
      <translation>(時計付きなら %1)</translation>
    </message>
    <message>
      <source>The backup file exists already; choose another: </source>
      <translation>バックアップファイルは既に存在します。別の名前を選んでください: </translation>
    </message>
    <message>
      <source>Nothing was written.</source>
      <translation>何も書き込んでいません。</translation>
    </message>
    <message>
      <source>Save memory: </source>
      <translation>セーブメモリ: </translation>
    </message>
    <message>
      <source>File layout: </source>
      <translation>ファイルの形式: </translation>
    </message>
    <message>
      <source>The save memory never appeared: the window shows the same bytes with the RAM mapped as without it. Nothing was saved.</source>
      <translation>セーブメモリが現れませんでした。RAMを割り当てても表示が変わりません。何も保存していません。</translation>
    </message>
    <message>
      <source>Save canceled.</source>
      <translation>セーブ操作を中止しました。</translation>
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
      <source>The save memory may be partly written; the save that was there before is kept in </source>
      <translation>セーブメモリーは途中まで書き込まれている可能性があります。元のセーブは次の場所に保存されています: </translation>
    </message>
    <message>
      <source>The file exists; it is kept: </source>
      <translation>ファイルは既に存在するため残します: </translation>
    </message>
    <message>
      <source>Can not detect gameboy logo.</source>
      <translation>Game Boy のロゴを検出できません。</translation>
    </message>
    <message>
      <source> The header cannot be trusted, so the save memory is left alone.</source>
      <translation> ヘッダーを信頼できないため、セーブメモリには触れません。</translation>
    </message>
    <message>
      <source>This board's save memory is not supported: </source>
      <translation>このボードのセーブメモリには対応していません: </translation>
    </message>
    <message>
      <source>The cartridge header names another mapper than the one chosen; the header's is used: </source>
      <translation>警告: カートリッジヘッダーは選択と異なるマッパーを示しています。ヘッダーのものを使います: </translation>
    </message>
    <message>
      <source>The header gives no RAM size; set RAM SIZE.</source>
      <translation>ヘッダーにRAMサイズがありません。RAM SIZE を設定してください。</translation>
    </message>
    <message>
      <source>RAM SIZE is not a whole number of 8 KB banks.</source>
      <translation>RAM SIZE が 8 KB バンクの整数倍ではありません。</translation>
    </message>
    <message>
      <source>RAM SIZE is larger than this board can map.</source>
      <translation>RAM SIZE がこのボードで扱える大きさを超えています。</translation>
    </message>
    <message>
      <source>one four-bit cell a byte, high nibble 0</source>
      <translation>4ビットのセルを1バイトに1つ、上位ニブルは0</translation>
    </message>
    <message>
      <source>RAM, then the 48-byte clock footer</source>
      <translation>RAM、続いて48バイトの時計フッター</translation>
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
    <name>mdThreadReadSave</name>
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
      <source>The two reads of the save memory differ at 0x%1: the contacts may be dirty. Nothing was saved.</source>
      <translation>セーブメモリの2回の読み込みが 0x%1 で一致しません。端子が汚れている可能性があります。何も保存していません。</translation>
    </message>
    <message>
      <source>The save memory reads as 0xFF throughout: no RAM answers, or it holds no save. Nothing was saved.</source>
      <translation>セーブメモリはすべて0xFFです。RAMが応答しないか、セーブがありません。何も保存していません。</translation>
    </message>
    <message>
      <source>The save memory shows the ROM's own bytes: the RAM the header promises is not there. Nothing was saved.</source>
      <translation>セーブメモリにROM自体のデータが見えます。ヘッダーが示すRAMがありません。何も保存していません。</translation>
    </message>
    <message>
      <source>Save file error.</source>
      <translation>ファイルの保存に失敗しました。</translation>
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
      <source>The two reads of the save memory differ at 0x%1: the contacts may be dirty. Nothing was written.</source>
      <translation>セーブメモリの2回の読み込みが 0x%1 で一致しません。端子が汚れている可能性があります。何も書き込んでいません。</translation>
    </message>
    <message>
      <source>The backup could not be kept, so nothing was written: </source>
      <translation>バックアップを保存できなかったため、何も書き込んでいません: </translation>
    </message>
    <message>
      <source>Backup of the cartridge's save: </source>
      <translation>カートリッジのセーブのバックアップ: </translation>
    </message>
    <message>
      <source>The read-back differs; writing the bank again one command at a time from 0x</source>
      <translation>警告: 読み戻しが一致しません。1コマンドずつバンクを書き直します: 0x</translation>
    </message>
    <message>
      <source>The save memory does not hold the file: the read-back differs at 0x</source>
      <translation>セーブメモリの内容がファイルと一致しません。読み戻しの相違位置: 0x</translation>
    </message>
    <message>
      <source>The save that was there before is kept in </source>
      <translation>以前のセーブの保存先: </translation>
    </message>
    <message>
      <source>Written and read back: the save memory holds </source>
      <translation>書き込みと読み戻しを確認しました。セーブメモリの内容: </translation>
    </message>
    <message>
      <source>Can not read the save file: </source>
      <translation>セーブファイルを読めません: </translation>
    </message>
    <message>
      <source>The file holds %1 bytes, but this cartridge's save is %2 bytes%3. Nothing was written.</source>
      <translation>ファイルは %1 バイトですが、このカートリッジのセーブは %2 バイトです%3。何も書き込んでいません。</translation>
    </message>
    <message>
      <source> (or %1 with the clock)</source>
      <translation>(時計付きなら %1)</translation>
    </message>
    <message>
      <source>The backup file exists already; choose another: </source>
      <translation>バックアップファイルは既に存在します。別の名前を選んでください: </translation>
    </message>
    <message>
      <source>Nothing was written.</source>
      <translation>何も書き込んでいません。</translation>
    </message>
    <message>
      <source>Save memory: </source>
      <translation>セーブメモリ: </translation>
    </message>
    <message>
      <source>File layout: </source>
      <translation>ファイルの形式: </translation>
    </message>
    <message>
      <source>The save memory never appeared: the window shows the same bytes with the RAM mapped as without it. Nothing was saved.</source>
      <translation>セーブメモリが現れませんでした。RAMを割り当てても表示が変わりません。何も保存していません。</translation>
    </message>
    <message>
      <source>Save canceled.</source>
      <translation>セーブ操作を中止しました。</translation>
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
      <source>The save memory may be partly written; the save that was there before is kept in </source>
      <translation>セーブメモリーは途中まで書き込まれている可能性があります。元のセーブは次の場所に保存されています: </translation>
    </message>
    <message>
      <source>The file exists; it is kept: </source>
      <translation>ファイルは既に存在するため残します: </translation>
    </message>
    <message>
      <source>The header's ROM end is missing or above 2 MB, so the save memory is out of the reader's reach: </source>
      <translation>ヘッダーのROM終端がないか2 MBを超えているため、セーブメモリに届きません: </translation>
    </message>
    <message>
      <source>odd bytes only (the bytes that carry data), one a byte</source>
      <translation>奇数バイトのみ(データを持つバイト)、1バイトずつ</translation>
    </message>
    <message>
      <source>The header announces a serial EEPROM, which the data window cannot read.</source>
      <translation>ヘッダーはシリアルEEPROMを示しています。データウィンドウからは読めません。</translation>
    </message>
    <message>
      <source>even bytes only (the bytes that carry data), one a byte</source>
      <translation>偶数バイトのみ(データを持つバイト)、1バイトずつ</translation>
    </message>
    <message>
      <source>both bytes of each 16-bit word</source>
      <translation>16ビットワードの両バイト</translation>
    </message>
    <message>
      <source>The header's RAM type byte names no layout: </source>
      <translation>ヘッダーのRAM種別バイトが配置を示していません: </translation>
    </message>
    <message>
      <source>The header's save addresses lie outside 0x200000-0x3FFFFF.</source>
      <translation>ヘッダーのセーブアドレスが 0x200000-0x3FFFFF の外にあります。</translation>
    </message>
    <message>
      <source>The header announces no save memory; set RAM SIZE to read the odd bytes at 0x200001.</source>
      <translation>ヘッダーにセーブメモリの記載がありません。0x200001 の奇数バイトを読むには RAM SIZE を設定してください。</translation>
    </message>
    <message>
      <source>SRAM at 0x%1, %2 bytes that carry data</source>
      <translation>SRAM 0x%1、データを持つ %2 バイト</translation>
    </message>
    <message>
      <source>The reader has no Mega Drive write command: Mega Drive saves can be read, not written.</source>
      <translation>リーダーにメガドライブの書き込みコマンドがありません。メガドライブのセーブは読み込みのみできます。</translation>
    </message>
  </context>
  <context>
    <name>mdThreadWriteSave</name>
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
      <source>The two reads of the save memory differ at 0x%1: the contacts may be dirty. Nothing was saved.</source>
      <translation>セーブメモリの2回の読み込みが 0x%1 で一致しません。端子が汚れている可能性があります。何も保存していません。</translation>
    </message>
    <message>
      <source>The save memory reads as 0xFF throughout: no RAM answers, or it holds no save. Nothing was saved.</source>
      <translation>セーブメモリはすべて0xFFです。RAMが応答しないか、セーブがありません。何も保存していません。</translation>
    </message>
    <message>
      <source>The save memory shows the ROM's own bytes: the RAM the header promises is not there. Nothing was saved.</source>
      <translation>セーブメモリにROM自体のデータが見えます。ヘッダーが示すRAMがありません。何も保存していません。</translation>
    </message>
    <message>
      <source>Save file error.</source>
      <translation>ファイルの保存に失敗しました。</translation>
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
      <source>The two reads of the save memory differ at 0x%1: the contacts may be dirty. Nothing was written.</source>
      <translation>セーブメモリの2回の読み込みが 0x%1 で一致しません。端子が汚れている可能性があります。何も書き込んでいません。</translation>
    </message>
    <message>
      <source>The backup could not be kept, so nothing was written: </source>
      <translation>バックアップを保存できなかったため、何も書き込んでいません: </translation>
    </message>
    <message>
      <source>Backup of the cartridge's save: </source>
      <translation>カートリッジのセーブのバックアップ: </translation>
    </message>
    <message>
      <source>The read-back differs; writing the bank again one command at a time from 0x</source>
      <translation>警告: 読み戻しが一致しません。1コマンドずつバンクを書き直します: 0x</translation>
    </message>
    <message>
      <source>The save memory does not hold the file: the read-back differs at 0x</source>
      <translation>セーブメモリの内容がファイルと一致しません。読み戻しの相違位置: 0x</translation>
    </message>
    <message>
      <source>The save that was there before is kept in </source>
      <translation>以前のセーブの保存先: </translation>
    </message>
    <message>
      <source>Written and read back: the save memory holds </source>
      <translation>書き込みと読み戻しを確認しました。セーブメモリの内容: </translation>
    </message>
    <message>
      <source>Can not read the save file: </source>
      <translation>セーブファイルを読めません: </translation>
    </message>
    <message>
      <source>The file holds %1 bytes, but this cartridge's save is %2 bytes%3. Nothing was written.</source>
      <translation>ファイルは %1 バイトですが、このカートリッジのセーブは %2 バイトです%3。何も書き込んでいません。</translation>
    </message>
    <message>
      <source> (or %1 with the clock)</source>
      <translation>(時計付きなら %1)</translation>
    </message>
    <message>
      <source>The backup file exists already; choose another: </source>
      <translation>バックアップファイルは既に存在します。別の名前を選んでください: </translation>
    </message>
    <message>
      <source>Nothing was written.</source>
      <translation>何も書き込んでいません。</translation>
    </message>
    <message>
      <source>Save memory: </source>
      <translation>セーブメモリ: </translation>
    </message>
    <message>
      <source>File layout: </source>
      <translation>ファイルの形式: </translation>
    </message>
    <message>
      <source>The save memory never appeared: the window shows the same bytes with the RAM mapped as without it. Nothing was saved.</source>
      <translation>セーブメモリが現れませんでした。RAMを割り当てても表示が変わりません。何も保存していません。</translation>
    </message>
    <message>
      <source>Save canceled.</source>
      <translation>セーブ操作を中止しました。</translation>
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
      <source>The save memory may be partly written; the save that was there before is kept in </source>
      <translation>セーブメモリーは途中まで書き込まれている可能性があります。元のセーブは次の場所に保存されています: </translation>
    </message>
    <message>
      <source>The file exists; it is kept: </source>
      <translation>ファイルは既に存在するため残します: </translation>
    </message>
    <message>
      <source>The header's ROM end is missing or above 2 MB, so the save memory is out of the reader's reach: </source>
      <translation>ヘッダーのROM終端がないか2 MBを超えているため、セーブメモリに届きません: </translation>
    </message>
    <message>
      <source>odd bytes only (the bytes that carry data), one a byte</source>
      <translation>奇数バイトのみ(データを持つバイト)、1バイトずつ</translation>
    </message>
    <message>
      <source>The header announces a serial EEPROM, which the data window cannot read.</source>
      <translation>ヘッダーはシリアルEEPROMを示しています。データウィンドウからは読めません。</translation>
    </message>
    <message>
      <source>even bytes only (the bytes that carry data), one a byte</source>
      <translation>偶数バイトのみ(データを持つバイト)、1バイトずつ</translation>
    </message>
    <message>
      <source>both bytes of each 16-bit word</source>
      <translation>16ビットワードの両バイト</translation>
    </message>
    <message>
      <source>The header's RAM type byte names no layout: </source>
      <translation>ヘッダーのRAM種別バイトが配置を示していません: </translation>
    </message>
    <message>
      <source>The header's save addresses lie outside 0x200000-0x3FFFFF.</source>
      <translation>ヘッダーのセーブアドレスが 0x200000-0x3FFFFF の外にあります。</translation>
    </message>
    <message>
      <source>The header announces no save memory; set RAM SIZE to read the odd bytes at 0x200001.</source>
      <translation>ヘッダーにセーブメモリの記載がありません。0x200001 の奇数バイトを読むには RAM SIZE を設定してください。</translation>
    </message>
    <message>
      <source>SRAM at 0x%1, %2 bytes that carry data</source>
      <translation>SRAM 0x%1、データを持つ %2 バイト</translation>
    </message>
    <message>
      <source>The reader has no Mega Drive write command: Mega Drive saves can be read, not written.</source>
      <translation>リーダーにメガドライブの書き込みコマンドがありません。メガドライブのセーブは読み込みのみできます。</translation>
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
    <name>msxThreadReadSave</name>
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
      <source>The two reads of the save memory differ at 0x%1: the contacts may be dirty. Nothing was saved.</source>
      <translation>セーブメモリの2回の読み込みが 0x%1 で一致しません。端子が汚れている可能性があります。何も保存していません。</translation>
    </message>
    <message>
      <source>The save memory reads as 0xFF throughout: no RAM answers, or it holds no save. Nothing was saved.</source>
      <translation>セーブメモリはすべて0xFFです。RAMが応答しないか、セーブがありません。何も保存していません。</translation>
    </message>
    <message>
      <source>The save memory shows the ROM's own bytes: the RAM the header promises is not there. Nothing was saved.</source>
      <translation>セーブメモリにROM自体のデータが見えます。ヘッダーが示すRAMがありません。何も保存していません。</translation>
    </message>
    <message>
      <source>Save file error.</source>
      <translation>ファイルの保存に失敗しました。</translation>
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
      <source>The two reads of the save memory differ at 0x%1: the contacts may be dirty. Nothing was written.</source>
      <translation>セーブメモリの2回の読み込みが 0x%1 で一致しません。端子が汚れている可能性があります。何も書き込んでいません。</translation>
    </message>
    <message>
      <source>The backup could not be kept, so nothing was written: </source>
      <translation>バックアップを保存できなかったため、何も書き込んでいません: </translation>
    </message>
    <message>
      <source>Backup of the cartridge's save: </source>
      <translation>カートリッジのセーブのバックアップ: </translation>
    </message>
    <message>
      <source>The read-back differs; writing the bank again one command at a time from 0x</source>
      <translation>警告: 読み戻しが一致しません。1コマンドずつバンクを書き直します: 0x</translation>
    </message>
    <message>
      <source>The save memory does not hold the file: the read-back differs at 0x</source>
      <translation>セーブメモリの内容がファイルと一致しません。読み戻しの相違位置: 0x</translation>
    </message>
    <message>
      <source>The save that was there before is kept in </source>
      <translation>以前のセーブの保存先: </translation>
    </message>
    <message>
      <source>Written and read back: the save memory holds </source>
      <translation>書き込みと読み戻しを確認しました。セーブメモリの内容: </translation>
    </message>
    <message>
      <source>Can not read the save file: </source>
      <translation>セーブファイルを読めません: </translation>
    </message>
    <message>
      <source>The file holds %1 bytes, but this cartridge's save is %2 bytes%3. Nothing was written.</source>
      <translation>ファイルは %1 バイトですが、このカートリッジのセーブは %2 バイトです%3。何も書き込んでいません。</translation>
    </message>
    <message>
      <source> (or %1 with the clock)</source>
      <translation>(時計付きなら %1)</translation>
    </message>
    <message>
      <source>The backup file exists already; choose another: </source>
      <translation>バックアップファイルは既に存在します。別の名前を選んでください: </translation>
    </message>
    <message>
      <source>Nothing was written.</source>
      <translation>何も書き込んでいません。</translation>
    </message>
    <message>
      <source>Save memory: </source>
      <translation>セーブメモリ: </translation>
    </message>
    <message>
      <source>File layout: </source>
      <translation>ファイルの形式: </translation>
    </message>
    <message>
      <source>The save memory never appeared: the window shows the same bytes with the RAM mapped as without it. Nothing was saved.</source>
      <translation>セーブメモリが現れませんでした。RAMを割り当てても表示が変わりません。何も保存していません。</translation>
    </message>
    <message>
      <source>Save canceled.</source>
      <translation>セーブ操作を中止しました。</translation>
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
      <source>The save memory may be partly written; the save that was there before is kept in </source>
      <translation>セーブメモリーは途中まで書き込まれている可能性があります。元のセーブは次の場所に保存されています: </translation>
    </message>
    <message>
      <source>The file exists; it is kept: </source>
      <translation>ファイルは既に存在するため残します: </translation>
    </message>
    <message>
      <source>MSX saves are supported on Game Master 2 and the ASCII 8 KB and 16 KB boards with SRAM; the mapper chosen is </source>
      <translation>MSXのセーブは Game Master 2 と SRAM 付き ASCII 8 KB / 16 KB ボードに対応しています。選択されたマッパー: </translation>
    </message>
    <message>
      <source>none</source>
      <translation>なし</translation>
    </message>
    <message>
      <source>The ROM's banks do not repeat as an ASCII 8 KB board's do; the SRAM bank is unknown.</source>
      <translation>ROMのバンクがASCII 8 KBボードのように繰り返されません。SRAMのバンクが不明です。</translation>
    </message>
    <message>
      <source>, SRAM at bank 0x%1</source>
      <translation>、SRAM はバンク 0x%1</translation>
    </message>
  </context>
  <context>
    <name>msxThreadWriteSave</name>
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
      <source>The two reads of the save memory differ at 0x%1: the contacts may be dirty. Nothing was saved.</source>
      <translation>セーブメモリの2回の読み込みが 0x%1 で一致しません。端子が汚れている可能性があります。何も保存していません。</translation>
    </message>
    <message>
      <source>The save memory reads as 0xFF throughout: no RAM answers, or it holds no save. Nothing was saved.</source>
      <translation>セーブメモリはすべて0xFFです。RAMが応答しないか、セーブがありません。何も保存していません。</translation>
    </message>
    <message>
      <source>The save memory shows the ROM's own bytes: the RAM the header promises is not there. Nothing was saved.</source>
      <translation>セーブメモリにROM自体のデータが見えます。ヘッダーが示すRAMがありません。何も保存していません。</translation>
    </message>
    <message>
      <source>Save file error.</source>
      <translation>ファイルの保存に失敗しました。</translation>
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
      <source>The two reads of the save memory differ at 0x%1: the contacts may be dirty. Nothing was written.</source>
      <translation>セーブメモリの2回の読み込みが 0x%1 で一致しません。端子が汚れている可能性があります。何も書き込んでいません。</translation>
    </message>
    <message>
      <source>The backup could not be kept, so nothing was written: </source>
      <translation>バックアップを保存できなかったため、何も書き込んでいません: </translation>
    </message>
    <message>
      <source>Backup of the cartridge's save: </source>
      <translation>カートリッジのセーブのバックアップ: </translation>
    </message>
    <message>
      <source>The read-back differs; writing the bank again one command at a time from 0x</source>
      <translation>警告: 読み戻しが一致しません。1コマンドずつバンクを書き直します: 0x</translation>
    </message>
    <message>
      <source>The save memory does not hold the file: the read-back differs at 0x</source>
      <translation>セーブメモリの内容がファイルと一致しません。読み戻しの相違位置: 0x</translation>
    </message>
    <message>
      <source>The save that was there before is kept in </source>
      <translation>以前のセーブの保存先: </translation>
    </message>
    <message>
      <source>Written and read back: the save memory holds </source>
      <translation>書き込みと読み戻しを確認しました。セーブメモリの内容: </translation>
    </message>
    <message>
      <source>Can not read the save file: </source>
      <translation>セーブファイルを読めません: </translation>
    </message>
    <message>
      <source>The file holds %1 bytes, but this cartridge's save is %2 bytes%3. Nothing was written.</source>
      <translation>ファイルは %1 バイトですが、このカートリッジのセーブは %2 バイトです%3。何も書き込んでいません。</translation>
    </message>
    <message>
      <source> (or %1 with the clock)</source>
      <translation>(時計付きなら %1)</translation>
    </message>
    <message>
      <source>The backup file exists already; choose another: </source>
      <translation>バックアップファイルは既に存在します。別の名前を選んでください: </translation>
    </message>
    <message>
      <source>Nothing was written.</source>
      <translation>何も書き込んでいません。</translation>
    </message>
    <message>
      <source>Save memory: </source>
      <translation>セーブメモリ: </translation>
    </message>
    <message>
      <source>File layout: </source>
      <translation>ファイルの形式: </translation>
    </message>
    <message>
      <source>The save memory never appeared: the window shows the same bytes with the RAM mapped as without it. Nothing was saved.</source>
      <translation>セーブメモリが現れませんでした。RAMを割り当てても表示が変わりません。何も保存していません。</translation>
    </message>
    <message>
      <source>Save canceled.</source>
      <translation>セーブ操作を中止しました。</translation>
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
      <source>The save memory may be partly written; the save that was there before is kept in </source>
      <translation>セーブメモリーは途中まで書き込まれている可能性があります。元のセーブは次の場所に保存されています: </translation>
    </message>
    <message>
      <source>The file exists; it is kept: </source>
      <translation>ファイルは既に存在するため残します: </translation>
    </message>
    <message>
      <source>MSX saves are supported on Game Master 2 and the ASCII 8 KB and 16 KB boards with SRAM; the mapper chosen is </source>
      <translation>MSXのセーブは Game Master 2 と SRAM 付き ASCII 8 KB / 16 KB ボードに対応しています。選択されたマッパー: </translation>
    </message>
    <message>
      <source>none</source>
      <translation>なし</translation>
    </message>
    <message>
      <source>The ROM's banks do not repeat as an ASCII 8 KB board's do; the SRAM bank is unknown.</source>
      <translation>ROMのバンクがASCII 8 KBボードのように繰り返されません。SRAMのバンクが不明です。</translation>
    </message>
    <message>
      <source>, SRAM at bank 0x%1</source>
      <translation>、SRAM はバンク 0x%1</translation>
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
    <name>sfcThreadReadSave</name>
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
      <source>The two reads of the save memory differ at 0x%1: the contacts may be dirty. Nothing was saved.</source>
      <translation>セーブメモリの2回の読み込みが 0x%1 で一致しません。端子が汚れている可能性があります。何も保存していません。</translation>
    </message>
    <message>
      <source>The save memory reads as 0xFF throughout: no RAM answers, or it holds no save. Nothing was saved.</source>
      <translation>セーブメモリはすべて0xFFです。RAMが応答しないか、セーブがありません。何も保存していません。</translation>
    </message>
    <message>
      <source>The save memory shows the ROM's own bytes: the RAM the header promises is not there. Nothing was saved.</source>
      <translation>セーブメモリにROM自体のデータが見えます。ヘッダーが示すRAMがありません。何も保存していません。</translation>
    </message>
    <message>
      <source>Save file error.</source>
      <translation>ファイルの保存に失敗しました。</translation>
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
      <source>The two reads of the save memory differ at 0x%1: the contacts may be dirty. Nothing was written.</source>
      <translation>セーブメモリの2回の読み込みが 0x%1 で一致しません。端子が汚れている可能性があります。何も書き込んでいません。</translation>
    </message>
    <message>
      <source>The backup could not be kept, so nothing was written: </source>
      <translation>バックアップを保存できなかったため、何も書き込んでいません: </translation>
    </message>
    <message>
      <source>Backup of the cartridge's save: </source>
      <translation>カートリッジのセーブのバックアップ: </translation>
    </message>
    <message>
      <source>The read-back differs; writing the bank again one command at a time from 0x</source>
      <translation>警告: 読み戻しが一致しません。1コマンドずつバンクを書き直します: 0x</translation>
    </message>
    <message>
      <source>The save memory does not hold the file: the read-back differs at 0x</source>
      <translation>セーブメモリの内容がファイルと一致しません。読み戻しの相違位置: 0x</translation>
    </message>
    <message>
      <source>The save that was there before is kept in </source>
      <translation>以前のセーブの保存先: </translation>
    </message>
    <message>
      <source>Written and read back: the save memory holds </source>
      <translation>書き込みと読み戻しを確認しました。セーブメモリの内容: </translation>
    </message>
    <message>
      <source>Can not read the save file: </source>
      <translation>セーブファイルを読めません: </translation>
    </message>
    <message>
      <source>The file holds %1 bytes, but this cartridge's save is %2 bytes%3. Nothing was written.</source>
      <translation>ファイルは %1 バイトですが、このカートリッジのセーブは %2 バイトです%3。何も書き込んでいません。</translation>
    </message>
    <message>
      <source> (or %1 with the clock)</source>
      <translation>(時計付きなら %1)</translation>
    </message>
    <message>
      <source>The backup file exists already; choose another: </source>
      <translation>バックアップファイルは既に存在します。別の名前を選んでください: </translation>
    </message>
    <message>
      <source>Nothing was written.</source>
      <translation>何も書き込んでいません。</translation>
    </message>
    <message>
      <source>Save memory: </source>
      <translation>セーブメモリ: </translation>
    </message>
    <message>
      <source>File layout: </source>
      <translation>ファイルの形式: </translation>
    </message>
    <message>
      <source>The save memory never appeared: the window shows the same bytes with the RAM mapped as without it. Nothing was saved.</source>
      <translation>セーブメモリが現れませんでした。RAMを割り当てても表示が変わりません。何も保存していません。</translation>
    </message>
    <message>
      <source>Save canceled.</source>
      <translation>セーブ操作を中止しました。</translation>
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
      <source>The save memory may be partly written; the save that was there before is kept in </source>
      <translation>セーブメモリーは途中まで書き込まれている可能性があります。元のセーブは次の場所に保存されています: </translation>
    </message>
    <message>
      <source>The file exists; it is kept: </source>
      <translation>ファイルは既に存在するため残します: </translation>
    </message>
    <message>
      <source>The save memory sits behind a coprocessor the reader cannot drive: </source>
      <translation>セーブメモリはリーダーが扱えないコプロセッサの先にあります: </translation>
    </message>
    <message>
      <source>The cartridge header names no battery RAM (type 0x%1).</source>
      <translation>カートリッジヘッダーにバッテリー付きRAMがありません(種別 0x%1)。</translation>
    </message>
    <message>
      <source>The map mode is unknown; choose LOROM, HIROM or EX-HIROM.</source>
      <translation>マップモードが不明です。LOROM、HIROM、EX-HIROM から選んでください。</translation>
    </message>
    <message>
      <source>The header gives no RAM size; set RAM SIZE.</source>
      <translation>ヘッダーにRAMサイズがありません。RAM SIZE を設定してください。</translation>
    </message>
    <message>
      <source>RAM SIZE is larger than this board can map.</source>
      <translation>RAM SIZE がこのボードで扱える大きさを超えています。</translation>
    </message>
  </context>
  <context>
    <name>sfcThreadWriteSave</name>
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
      <source>The two reads of the save memory differ at 0x%1: the contacts may be dirty. Nothing was saved.</source>
      <translation>セーブメモリの2回の読み込みが 0x%1 で一致しません。端子が汚れている可能性があります。何も保存していません。</translation>
    </message>
    <message>
      <source>The save memory reads as 0xFF throughout: no RAM answers, or it holds no save. Nothing was saved.</source>
      <translation>セーブメモリはすべて0xFFです。RAMが応答しないか、セーブがありません。何も保存していません。</translation>
    </message>
    <message>
      <source>The save memory shows the ROM's own bytes: the RAM the header promises is not there. Nothing was saved.</source>
      <translation>セーブメモリにROM自体のデータが見えます。ヘッダーが示すRAMがありません。何も保存していません。</translation>
    </message>
    <message>
      <source>Save file error.</source>
      <translation>ファイルの保存に失敗しました。</translation>
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
      <source>The two reads of the save memory differ at 0x%1: the contacts may be dirty. Nothing was written.</source>
      <translation>セーブメモリの2回の読み込みが 0x%1 で一致しません。端子が汚れている可能性があります。何も書き込んでいません。</translation>
    </message>
    <message>
      <source>The backup could not be kept, so nothing was written: </source>
      <translation>バックアップを保存できなかったため、何も書き込んでいません: </translation>
    </message>
    <message>
      <source>Backup of the cartridge's save: </source>
      <translation>カートリッジのセーブのバックアップ: </translation>
    </message>
    <message>
      <source>The read-back differs; writing the bank again one command at a time from 0x</source>
      <translation>警告: 読み戻しが一致しません。1コマンドずつバンクを書き直します: 0x</translation>
    </message>
    <message>
      <source>The save memory does not hold the file: the read-back differs at 0x</source>
      <translation>セーブメモリの内容がファイルと一致しません。読み戻しの相違位置: 0x</translation>
    </message>
    <message>
      <source>The save that was there before is kept in </source>
      <translation>以前のセーブの保存先: </translation>
    </message>
    <message>
      <source>Written and read back: the save memory holds </source>
      <translation>書き込みと読み戻しを確認しました。セーブメモリの内容: </translation>
    </message>
    <message>
      <source>Can not read the save file: </source>
      <translation>セーブファイルを読めません: </translation>
    </message>
    <message>
      <source>The file holds %1 bytes, but this cartridge's save is %2 bytes%3. Nothing was written.</source>
      <translation>ファイルは %1 バイトですが、このカートリッジのセーブは %2 バイトです%3。何も書き込んでいません。</translation>
    </message>
    <message>
      <source> (or %1 with the clock)</source>
      <translation>(時計付きなら %1)</translation>
    </message>
    <message>
      <source>The backup file exists already; choose another: </source>
      <translation>バックアップファイルは既に存在します。別の名前を選んでください: </translation>
    </message>
    <message>
      <source>Nothing was written.</source>
      <translation>何も書き込んでいません。</translation>
    </message>
    <message>
      <source>Save memory: </source>
      <translation>セーブメモリ: </translation>
    </message>
    <message>
      <source>File layout: </source>
      <translation>ファイルの形式: </translation>
    </message>
    <message>
      <source>The save memory never appeared: the window shows the same bytes with the RAM mapped as without it. Nothing was saved.</source>
      <translation>セーブメモリが現れませんでした。RAMを割り当てても表示が変わりません。何も保存していません。</translation>
    </message>
    <message>
      <source>Save canceled.</source>
      <translation>セーブ操作を中止しました。</translation>
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
      <source>The save memory may be partly written; the save that was there before is kept in </source>
      <translation>セーブメモリーは途中まで書き込まれている可能性があります。元のセーブは次の場所に保存されています: </translation>
    </message>
    <message>
      <source>The file exists; it is kept: </source>
      <translation>ファイルは既に存在するため残します: </translation>
    </message>
    <message>
      <source>The save memory sits behind a coprocessor the reader cannot drive: </source>
      <translation>セーブメモリはリーダーが扱えないコプロセッサの先にあります: </translation>
    </message>
    <message>
      <source>The cartridge header names no battery RAM (type 0x%1).</source>
      <translation>カートリッジヘッダーにバッテリー付きRAMがありません(種別 0x%1)。</translation>
    </message>
    <message>
      <source>The map mode is unknown; choose LOROM, HIROM or EX-HIROM.</source>
      <translation>マップモードが不明です。LOROM、HIROM、EX-HIROM から選んでください。</translation>
    </message>
    <message>
      <source>The header gives no RAM size; set RAM SIZE.</source>
      <translation>ヘッダーにRAMサイズがありません。RAM SIZE を設定してください。</translation>
    </message>
    <message>
      <source>RAM SIZE is larger than this board can map.</source>
      <translation>RAM SIZE がこのボードで扱える大きさを超えています。</translation>
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
  <context>
    <name>smsThreadReadSave</name>
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
      <source>The two reads of the save memory differ at 0x%1: the contacts may be dirty. Nothing was saved.</source>
      <translation>セーブメモリの2回の読み込みが 0x%1 で一致しません。端子が汚れている可能性があります。何も保存していません。</translation>
    </message>
    <message>
      <source>The save memory reads as 0xFF throughout: no RAM answers, or it holds no save. Nothing was saved.</source>
      <translation>セーブメモリはすべて0xFFです。RAMが応答しないか、セーブがありません。何も保存していません。</translation>
    </message>
    <message>
      <source>The save memory shows the ROM's own bytes: the RAM the header promises is not there. Nothing was saved.</source>
      <translation>セーブメモリにROM自体のデータが見えます。ヘッダーが示すRAMがありません。何も保存していません。</translation>
    </message>
    <message>
      <source>Save file error.</source>
      <translation>ファイルの保存に失敗しました。</translation>
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
      <source>The two reads of the save memory differ at 0x%1: the contacts may be dirty. Nothing was written.</source>
      <translation>セーブメモリの2回の読み込みが 0x%1 で一致しません。端子が汚れている可能性があります。何も書き込んでいません。</translation>
    </message>
    <message>
      <source>The backup could not be kept, so nothing was written: </source>
      <translation>バックアップを保存できなかったため、何も書き込んでいません: </translation>
    </message>
    <message>
      <source>Backup of the cartridge's save: </source>
      <translation>カートリッジのセーブのバックアップ: </translation>
    </message>
    <message>
      <source>The read-back differs; writing the bank again one command at a time from 0x</source>
      <translation>警告: 読み戻しが一致しません。1コマンドずつバンクを書き直します: 0x</translation>
    </message>
    <message>
      <source>The save memory does not hold the file: the read-back differs at 0x</source>
      <translation>セーブメモリの内容がファイルと一致しません。読み戻しの相違位置: 0x</translation>
    </message>
    <message>
      <source>The save that was there before is kept in </source>
      <translation>以前のセーブの保存先: </translation>
    </message>
    <message>
      <source>Written and read back: the save memory holds </source>
      <translation>書き込みと読み戻しを確認しました。セーブメモリの内容: </translation>
    </message>
    <message>
      <source>Can not read the save file: </source>
      <translation>セーブファイルを読めません: </translation>
    </message>
    <message>
      <source>The file holds %1 bytes, but this cartridge's save is %2 bytes%3. Nothing was written.</source>
      <translation>ファイルは %1 バイトですが、このカートリッジのセーブは %2 バイトです%3。何も書き込んでいません。</translation>
    </message>
    <message>
      <source> (or %1 with the clock)</source>
      <translation>(時計付きなら %1)</translation>
    </message>
    <message>
      <source>The backup file exists already; choose another: </source>
      <translation>バックアップファイルは既に存在します。別の名前を選んでください: </translation>
    </message>
    <message>
      <source>Nothing was written.</source>
      <translation>何も書き込んでいません。</translation>
    </message>
    <message>
      <source>Save memory: </source>
      <translation>セーブメモリ: </translation>
    </message>
    <message>
      <source>File layout: </source>
      <translation>ファイルの形式: </translation>
    </message>
    <message>
      <source>The save memory never appeared: the window shows the same bytes with the RAM mapped as without it. Nothing was saved.</source>
      <translation>セーブメモリが現れませんでした。RAMを割り当てても表示が変わりません。何も保存していません。</translation>
    </message>
    <message>
      <source>Save canceled.</source>
      <translation>セーブ操作を中止しました。</translation>
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
      <source>The save memory may be partly written; the save that was there before is kept in </source>
      <translation>セーブメモリーは途中まで書き込まれている可能性があります。元のセーブは次の場所に保存されています: </translation>
    </message>
    <message>
      <source>The file exists; it is kept: </source>
      <translation>ファイルは既に存在するため残します: </translation>
    </message>
    <message>
      <source>Device not support:</source>
      <translation>このデバイスは対応していません: </translation>
    </message>
    <message>
      <source>Codemasters board, 8 KB RAM</source>
      <translation>Codemasters ボード、8 KB RAM</translation>
    </message>
    <message>
      <source>A Master System cartridge carries 8, 16 or 32 KB of RAM.</source>
      <translation>マスターシステムのカートリッジのRAMは 8、16、32 KB のいずれかです。</translation>
    </message>
    <message>
      <source>Sega mapper, %1 KB RAM</source>
      <translation>セガマッパー、%1 KB RAM</translation>
    </message>
  </context>
  <context>
    <name>smsThreadWriteSave</name>
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
      <source>The two reads of the save memory differ at 0x%1: the contacts may be dirty. Nothing was saved.</source>
      <translation>セーブメモリの2回の読み込みが 0x%1 で一致しません。端子が汚れている可能性があります。何も保存していません。</translation>
    </message>
    <message>
      <source>The save memory reads as 0xFF throughout: no RAM answers, or it holds no save. Nothing was saved.</source>
      <translation>セーブメモリはすべて0xFFです。RAMが応答しないか、セーブがありません。何も保存していません。</translation>
    </message>
    <message>
      <source>The save memory shows the ROM's own bytes: the RAM the header promises is not there. Nothing was saved.</source>
      <translation>セーブメモリにROM自体のデータが見えます。ヘッダーが示すRAMがありません。何も保存していません。</translation>
    </message>
    <message>
      <source>Save file error.</source>
      <translation>ファイルの保存に失敗しました。</translation>
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
      <source>The two reads of the save memory differ at 0x%1: the contacts may be dirty. Nothing was written.</source>
      <translation>セーブメモリの2回の読み込みが 0x%1 で一致しません。端子が汚れている可能性があります。何も書き込んでいません。</translation>
    </message>
    <message>
      <source>The backup could not be kept, so nothing was written: </source>
      <translation>バックアップを保存できなかったため、何も書き込んでいません: </translation>
    </message>
    <message>
      <source>Backup of the cartridge's save: </source>
      <translation>カートリッジのセーブのバックアップ: </translation>
    </message>
    <message>
      <source>The read-back differs; writing the bank again one command at a time from 0x</source>
      <translation>警告: 読み戻しが一致しません。1コマンドずつバンクを書き直します: 0x</translation>
    </message>
    <message>
      <source>The save memory does not hold the file: the read-back differs at 0x</source>
      <translation>セーブメモリの内容がファイルと一致しません。読み戻しの相違位置: 0x</translation>
    </message>
    <message>
      <source>The save that was there before is kept in </source>
      <translation>以前のセーブの保存先: </translation>
    </message>
    <message>
      <source>Written and read back: the save memory holds </source>
      <translation>書き込みと読み戻しを確認しました。セーブメモリの内容: </translation>
    </message>
    <message>
      <source>Can not read the save file: </source>
      <translation>セーブファイルを読めません: </translation>
    </message>
    <message>
      <source>The file holds %1 bytes, but this cartridge's save is %2 bytes%3. Nothing was written.</source>
      <translation>ファイルは %1 バイトですが、このカートリッジのセーブは %2 バイトです%3。何も書き込んでいません。</translation>
    </message>
    <message>
      <source> (or %1 with the clock)</source>
      <translation>(時計付きなら %1)</translation>
    </message>
    <message>
      <source>The backup file exists already; choose another: </source>
      <translation>バックアップファイルは既に存在します。別の名前を選んでください: </translation>
    </message>
    <message>
      <source>Nothing was written.</source>
      <translation>何も書き込んでいません。</translation>
    </message>
    <message>
      <source>Save memory: </source>
      <translation>セーブメモリ: </translation>
    </message>
    <message>
      <source>File layout: </source>
      <translation>ファイルの形式: </translation>
    </message>
    <message>
      <source>The save memory never appeared: the window shows the same bytes with the RAM mapped as without it. Nothing was saved.</source>
      <translation>セーブメモリが現れませんでした。RAMを割り当てても表示が変わりません。何も保存していません。</translation>
    </message>
    <message>
      <source>Save canceled.</source>
      <translation>セーブ操作を中止しました。</translation>
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
      <source>The save memory may be partly written; the save that was there before is kept in </source>
      <translation>セーブメモリーは途中まで書き込まれている可能性があります。元のセーブは次の場所に保存されています: </translation>
    </message>
    <message>
      <source>The file exists; it is kept: </source>
      <translation>ファイルは既に存在するため残します: </translation>
    </message>
    <message>
      <source>Device not support:</source>
      <translation>このデバイスは対応していません: </translation>
    </message>
    <message>
      <source>Codemasters board, 8 KB RAM</source>
      <translation>Codemasters ボード、8 KB RAM</translation>
    </message>
    <message>
      <source>A Master System cartridge carries 8, 16 or 32 KB of RAM.</source>
      <translation>マスターシステムのカートリッジのRAMは 8、16、32 KB のいずれかです。</translation>
    </message>
    <message>
      <source>Sega mapper, %1 KB RAM</source>
      <translation>セガマッパー、%1 KB RAM</translation>
    </message>
  </context>
</TS>
