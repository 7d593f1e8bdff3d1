<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
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
  </context>
  <context>
    <name>TabGui</name>
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
      <source>Verified: </source>
      <translation>照合済み: </translation>
    </message>
    <message>
      <source>Not in the catalogue.</source>
      <translation>カタログに登録されていません。</translation>
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
      <source>Can not open dump device.</source>
      <translation>ダンプデバイスを開けません。</translation>
    </message>
    <message>
      <source>Save file error.</source>
      <translation>ファイルの保存に失敗しました。</translation>
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
      <source>Save file success.</source>
      <translation>ファイルを保存しました。</translation>
    </message>
    <message>
      <source>File CRC: 0x</source>
      <translation>ファイル CRC: 0x</translation>
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
      <source>Verified: </source>
      <translation>照合済み: </translation>
    </message>
    <message>
      <source>Not in the catalogue.</source>
      <translation>カタログに登録されていません。</translation>
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
      <source>Can not open dump device.</source>
      <translation>ダンプデバイスを開けません。</translation>
    </message>
    <message>
      <source>Save file error.</source>
      <translation>ファイルの保存に失敗しました。</translation>
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
      <source>Save file success.</source>
      <translation>ファイルを保存しました。</translation>
    </message>
    <message>
      <source>File CRC: 0x</source>
      <translation>ファイル CRC: 0x</translation>
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
      <source>Verified: </source>
      <translation>照合済み: </translation>
    </message>
    <message>
      <source>Not in the catalogue.</source>
      <translation>カタログに登録されていません。</translation>
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
      <source>Can not open dump device.</source>
      <translation>ダンプデバイスを開けません。</translation>
    </message>
    <message>
      <source>Save file error.</source>
      <translation>ファイルの保存に失敗しました。</translation>
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
      <source>Save file success.</source>
      <translation>ファイルを保存しました。</translation>
    </message>
    <message>
      <source>File CRC: 0x</source>
      <translation>ファイル CRC: 0x</translation>
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
      <source>Verified: </source>
      <translation>照合済み: </translation>
    </message>
    <message>
      <source>Not in the catalogue.</source>
      <translation>カタログに登録されていません。</translation>
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
      <source>Can not open dump device.</source>
      <translation>ダンプデバイスを開けません。</translation>
    </message>
    <message>
      <source>Save file error.</source>
      <translation>ファイルの保存に失敗しました。</translation>
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
      <source>Save file success.</source>
      <translation>ファイルを保存しました。</translation>
    </message>
    <message>
      <source>File CRC: 0x</source>
      <translation>ファイル CRC: 0x</translation>
    </message>
    <message>
      <source>Unknow mapper.</source>
      <translation>不明なマッパーです。</translation>
    </message>
    <message>
      <source>Debug dump 64K.</source>
      <translation>デバッグ用に 64K をダンプします。</translation>
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
      <source>Verified: </source>
      <translation>照合済み: </translation>
    </message>
    <message>
      <source>Not in the catalogue.</source>
      <translation>カタログに登録されていません。</translation>
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
      <source>Can not open dump device.</source>
      <translation>ダンプデバイスを開けません。</translation>
    </message>
    <message>
      <source>Save file error.</source>
      <translation>ファイルの保存に失敗しました。</translation>
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
      <source>Save file success.</source>
      <translation>ファイルを保存しました。</translation>
    </message>
    <message>
      <source>File CRC: 0x</source>
      <translation>ファイル CRC: 0x</translation>
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
      <source>Verified: </source>
      <translation>照合済み: </translation>
    </message>
    <message>
      <source>Not in the catalogue.</source>
      <translation>カタログに登録されていません。</translation>
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
      <source>Can not open dump device.</source>
      <translation>ダンプデバイスを開けません。</translation>
    </message>
    <message>
      <source>Save file error.</source>
      <translation>ファイルの保存に失敗しました。</translation>
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
      <source>Save file success.</source>
      <translation>ファイルを保存しました。</translation>
    </message>
    <message>
      <source>File CRC: 0x</source>
      <translation>ファイル CRC: 0x</translation>
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
  </context>
</TS>
